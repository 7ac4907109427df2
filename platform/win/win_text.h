// UTF-8 <-> UTF-16 at the Win32 boundary.
#pragma once

#include <string>

namespace platform {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const wchar_t* utf16, int length);

} // namespace platform

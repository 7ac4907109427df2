#include "platform/win/win_text.h"

#include <windows.h>

namespace platform {

std::wstring Widen(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int n
        = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &out[0], n);
    return out;
}

std::string Narrow(const wchar_t* utf16, int length)
{
    if (!utf16 || length <= 0)
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, utf16, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16, length, &out[0], n, nullptr, nullptr);
    return out;
}

} // namespace platform

// Window titles as the program stores them: UTF-8 of at most 259 UTF-16
// units, the most a 260-unit title buffer holds on Windows.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

constexpr std::size_t kMaxTitleUnits = 259;

// Surrogate pairs become their code points; an unpaired surrogate U+FFFD.
std::string Utf16ToUtf8(const char16_t* units, std::size_t count);

// Malformed UTF-8 bytes become U+FFFD.
std::u16string Utf8ToUtf16(const std::string& utf8);

// The first 259 UTF-16 units of a UTF-8 title, as UTF-8 again; a pair cut in
// half leaves U+FFFD, as the Windows buffer would.
std::string LimitTitle(const std::string& utf8);

} // namespace platform

// The interface languages by their stored code (the "language" setting): the
// catalogue each loads and how the language menu names it.
#pragma once

#include <array>
#include <cstdint>

namespace languages {

struct language {
    int code;
    // Resource of the program's catalogue.
    const char* catalogue;
    // Qt's own catalogue, "qtbase_<suffix>.qm"; empty for English, Qt's own language.
    const char* qt_suffix;
    const char* load_error;
    // The menu names each language in that language, so that a user who
    // cannot read the current one still finds their own.
    const char* menu_text;
    const char* menu_tool_tip;
};

constexpr int count = 7;
constexpr std::int64_t english = 0;
// A config.json without "language", or no config.json at all.
constexpr std::int64_t missing_code = 1;

// Codes 1 to 6 stand for themselves; any other code is English.
int Effective(std::int64_t code);
const language& ByCode(std::int64_t code);

// The language menu's order: simplified Chinese, traditional Chinese,
// English, Japanese, Korean, French, German.
const std::array<int, count>& MenuOrder();

} // namespace languages

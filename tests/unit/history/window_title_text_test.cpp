#include "platform/window_title_text.h"

#include <gtest/gtest.h>

namespace {

using platform::LimitTitle;
using platform::Utf16ToUtf8;

TEST(WindowTitleText, PairsBecomeCodePointsAndLoneHalvesReplacementCharacters)
{
    const char16_t pair[] = { u'a', 0xD83D, 0xDE00, u'b' };
    EXPECT_EQ(Utf16ToUtf8(pair, 4),
        "a\xF0\x9F\x98\x80"
        "b");
    const char16_t lone_high[] = { 0xD83D, u'x' };
    EXPECT_EQ(Utf16ToUtf8(lone_high, 2), "\xEF\xBF\xBDx");
    const char16_t lone_low[] = { u'x', 0xDE00 };
    EXPECT_EQ(Utf16ToUtf8(lone_low, 2), "x\xEF\xBF\xBD");
    const char16_t trailing_high[] = { 0xD83D };
    EXPECT_EQ(Utf16ToUtf8(trailing_high, 1), "\xEF\xBF\xBD");
    const char16_t cjk[] = { 0x7A97, 0x53E3 };
    EXPECT_EQ(Utf16ToUtf8(cjk, 2), "窗口");
    EXPECT_EQ(Utf16ToUtf8(nullptr, 3), "");
}

TEST(WindowTitleText, TitlesAreCutAt259Utf16Units)
{
    EXPECT_EQ(LimitTitle(std::string(300, 'x')), std::string(259, 'x'));
    EXPECT_EQ(LimitTitle(std::string(259, 'x')), std::string(259, 'x'));
    // 258 units, then a pair that no longer fits whole.
    const std::string emoji = "\xF0\x9F\x98\x80";
    EXPECT_EQ(LimitTitle(std::string(258, 'x') + emoji), std::string(258, 'x') + "\xEF\xBF\xBD");
    EXPECT_EQ(LimitTitle(std::string(257, 'x') + emoji), std::string(257, 'x') + emoji);
    // Malformed UTF-8 does not stop the conversion.
    EXPECT_EQ(LimitTitle("a\xFF"
                         "b\xC3"),
        "a\xEF\xBF\xBD"
        "b\xEF\xBF\xBD");
    EXPECT_EQ(LimitTitle("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

} // namespace

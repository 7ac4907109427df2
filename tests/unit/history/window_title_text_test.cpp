#include "platform/window_title_text.h"

#include <gtest/gtest.h>

namespace {

using platform::LimitTitle;
using platform::Utf16ToUtf8;

const std::string kEmoji = "\xF0\x9F\x98\x80", kReplacement = "\xEF\xBF\xBD";

TEST(WindowTitleText, PairsBecomeCodePointsLoneHalvesReplacementsAndTitlesAreCutAt259Units)
{
    const char16_t pair[] = { u'a', 0xD83D, 0xDE00, u'b' };
    EXPECT_EQ(Utf16ToUtf8(pair, 4), "a" + kEmoji + "b");
    const char16_t lone_high[] = { 0xD83D, u'x' };
    EXPECT_EQ(Utf16ToUtf8(lone_high, 2), kReplacement + "x");
    const char16_t lone_low[] = { u'x', 0xDE00 };
    EXPECT_EQ(Utf16ToUtf8(lone_low, 2), "x" + kReplacement);
    EXPECT_EQ(Utf16ToUtf8(nullptr, 3), "");
    // Titles are cut at 259 UTF-16 units; a pair that fits whole stays.
    EXPECT_EQ(LimitTitle(std::string(257, 'x') + kEmoji), std::string(257, 'x') + kEmoji);
    // Malformed UTF-8 does not stop the conversion.
    EXPECT_EQ(LimitTitle("a\xFF"
                         "b\xC3"),
        "a" + kReplacement + "b" + kReplacement);
    EXPECT_EQ(LimitTitle("\xED\xA0\x80"), kReplacement + kReplacement + kReplacement);
}

} // namespace

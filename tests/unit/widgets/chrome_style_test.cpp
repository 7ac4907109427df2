#include "widgets/chrome_style.h"

#include <gtest/gtest.h>

namespace {

TEST(ChromeStyle, TitleRowMarginsGrowPast764UpTo120)
{
    EXPECT_EQ(chrome_style::TitleRowMargins(764, 900), QMargins(10, 0, 8, 0));
    EXPECT_EQ(chrome_style::TitleRowMargins(765, 900), QMargins(2, 0, 0, 0));
    EXPECT_EQ(chrome_style::TitleRowMargins(900, 900), QMargins(70, 0, 68, 0));
    EXPECT_EQ(chrome_style::TitleRowMargins(1000, 900), QMargins(120, 0, 118, 0));
}

} // namespace

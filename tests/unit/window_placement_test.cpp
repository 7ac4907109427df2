#include "app/window_placement.h"

#include <gtest/gtest.h>

namespace {

using window_placement::DefaultSize;
using window_placement::IsAccepted;
using window_placement::ParsePosition;

TEST(WindowPlacement, DefaultSizeFollowsTheAvailableArea)
{
    EXPECT_EQ(DefaultSize(QSize(1920, 1080)), QSize(900, 700));
    EXPECT_EQ(DefaultSize(QSize(1280, 720)), QSize(853, 480));
    EXPECT_EQ(DefaultSize(QSize(1352, 1052)), QSize(900, 700));
}

TEST(WindowPlacement, PositionNeedsExactlyFourCommaTerminatedPieces)
{
    EXPECT_EQ(ParsePosition("12,40,700,900,"), QRect(12, 40, 700, 900));
    EXPECT_EQ(ParsePosition("12,40,700,900,trailing"), QRect(12, 40, 700, 900));
    EXPECT_FALSE(ParsePosition("12,40,700,900").has_value());
    EXPECT_FALSE(ParsePosition("1,2,3,4,5,").has_value());
    EXPECT_FALSE(ParsePosition("").has_value());
    EXPECT_EQ(ParsePosition("a,-3,,9,"), QRect(0, -3, 0, 9));
}

TEST(WindowPlacement, AcceptedRange)
{
    const QSize area(1920, 1080);
    EXPECT_FALSE(IsAccepted(QRect(-10, 0, 500, 500), area));
    EXPECT_TRUE(IsAccepted(QRect(0, -44, 500, 500), area));
    EXPECT_FALSE(IsAccepted(QRect(0, -45, 500, 500), area));
    EXPECT_TRUE(IsAccepted(QRect(1920, 1080, 500, 500), area));
    EXPECT_FALSE(IsAccepted(QRect(1921, 0, 500, 500), area));
}

} // namespace

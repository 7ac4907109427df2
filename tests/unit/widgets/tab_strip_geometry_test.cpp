#include "widgets/tab_strip_geometry.h"

#include <gtest/gtest.h>

namespace {

using tab_strip::click_result;

TEST(TabStripGeometry, AreasShareTheWidthWithIntegerDivision)
{
    EXPECT_EQ(tab_strip::AreaWidth(252, 5), 50);
    EXPECT_EQ(tab_strip::AreaLeft(3, 252, 5), 151); // 756 / 5, not 3 * 50
    EXPECT_EQ(tab_strip::AreaWidth(252, 0), 0);
    EXPECT_EQ(tab_strip::AreaLeft(2, 252, 0), 0);
}

TEST(TabStripGeometry, ABoundaryPixelHitsNoArea)
{
    // Five areas over 250 pixels: borders at 0, 50, 100, 150, 200, 250.
    EXPECT_EQ(tab_strip::HitArea(50, 250, 5), std::nullopt);
    EXPECT_EQ(tab_strip::HitArea(0, 250, 5), std::nullopt);
    EXPECT_EQ(tab_strip::HitArea(250, 250, 5), std::nullopt);
    EXPECT_EQ(tab_strip::HitArea(49, 250, 5), 0u);
    EXPECT_EQ(tab_strip::HitArea(51, 250, 5), 1u);
    EXPECT_EQ(tab_strip::HitArea(249, 250, 5), 4u);
}

TEST(TabStripGeometry, TheClickPositionIsRoundedToTheNearestPixel)
{
    EXPECT_EQ(tab_strip::HitArea(49.6, 250, 5), std::nullopt); // rounds onto the border
    EXPECT_EQ(tab_strip::HitArea(50.4, 250, 5), std::nullopt);
    EXPECT_EQ(tab_strip::HitArea(50.6, 250, 5), 1u);
}

TEST(TabStripGeometry, ClicksOutsideOrOnAnEmptyStripHitNothing)
{
    EXPECT_EQ(tab_strip::HitArea(-5, 250, 5), std::nullopt);
    EXPECT_EQ(tab_strip::HitArea(300, 250, 5), std::nullopt);
    EXPECT_EQ(tab_strip::HitArea(10, 250, 0), std::nullopt);
}

TEST(TabStripClick, TheCurrentAreaOnlyRepaintsExceptFavourites)
{
    EXPECT_EQ(tab_strip::Click(std::nullopt, 0), click_result::nothing);
    EXPECT_EQ(tab_strip::Click(2u, 2), click_result::repaint);
    EXPECT_EQ(tab_strip::Click(1u, 2), click_result::choose);
    // The favourites area answers again, so the order can be stepped.
    EXPECT_EQ(tab_strip::Click(4u, 4), click_result::choose);
}

} // namespace

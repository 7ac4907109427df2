#include "widgets/tab_strip_geometry.h"

#include <gtest/gtest.h>

namespace {

// Clicks and the highlight are tested on the widget; these are the edges of the arithmetic.
TEST(TabStripGeometry, AreasShareTheWidthByIntegerDivisionAndARoundedBoundaryHitsNothing)
{
    EXPECT_EQ(tab_strip::AreaLeft(3, 252, 5), 151); // 756 / 5, not 3 * 50
    EXPECT_EQ(tab_strip::AreaLeft(2, 252, 0), 0);
    EXPECT_EQ(tab_strip::HitArea(49.6, 250, 5), std::nullopt); // rounds onto the border at 50
    EXPECT_EQ(tab_strip::HitArea(50.6, 250, 5), 1u);
    EXPECT_EQ(tab_strip::HitArea(249, 250, 5), 4u);
    EXPECT_EQ(tab_strip::HitArea(250, 250, 5), std::nullopt);
    EXPECT_EQ(tab_strip::HitArea(10, 250, 0), std::nullopt);
    EXPECT_EQ(tab_strip::Click(4u, 4), tab_strip::click_result::choose); // favourites step again
    EXPECT_EQ(tab_strip::Click(2u, 2), tab_strip::click_result::repaint);
}

} // namespace

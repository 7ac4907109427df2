#include "actions/preview_geometry.h"

#include <gtest/gtest.h>

namespace {

const QSize kScreen(1920, 1080);

TEST(PreviewGeometry, ScaleAndTheTwoHundredPixelFloor)
{
    EXPECT_EQ(
        PreviewGeometry(QSize(1000, 500), 0, QPoint(100, 100), kScreen).size(), QSize(1000, 500));
    // 250 x 125, then stretched to 200 high: 400 x 200.
    EXPECT_EQ(
        PreviewGeometry(QSize(1000, 500), 3, QPoint(100, 100), kScreen).size(), QSize(400, 200));
    // Narrow: 50 x 400 becomes 200 wide, keeping the ratio.
    EXPECT_EQ(
        PreviewGeometry(QSize(50, 400), 0, QPoint(100, 100), kScreen).size(), QSize(200, 1600 * 1));
    // An image that did not load still gets a window, without dividing by zero.
    EXPECT_EQ(PreviewGeometry(QSize(), 1, QPoint(100, 100), kScreen).size(), QSize(200, 200));
}

TEST(PreviewGeometry, BesideThePointerInsideTheScreen)
{
    // Right half: to the pointer's left, narrowed to the room there.
    QRect r = PreviewGeometry(QSize(1600, 800), 0, QPoint(1200, 100), kScreen);
    EXPECT_EQ(r, QRect(0, 100, 1190, 595));
    // Left half: to its right; moved up where it would pass the bottom.
    r = PreviewGeometry(QSize(1000, 500), 0, QPoint(300, 900), kScreen);
    EXPECT_EQ(r, QRect(310, 580, 1000, 500));
}

} // namespace

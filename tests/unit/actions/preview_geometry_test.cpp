#include "actions/preview_geometry.h"

#include <gtest/gtest.h>

namespace {

const QSize kScreen(1920, 1080);

QSize Size(const QSize& image, std::int64_t scale)
{
    return PreviewGeometry(image, scale, QPoint(100, 100), kScreen).size();
}

TEST(PreviewGeometry, ScaleAndTheTwoHundredPixelFloor)
{
    EXPECT_EQ(Size(QSize(1000, 500), 0), QSize(1000, 500));
    // 250 x 125, then stretched to 200 high: 400 x 200.
    EXPECT_EQ(Size(QSize(1000, 500), 3), QSize(400, 200));
    // Narrow: 50 x 400 becomes 200 wide, keeping the ratio, and then no
    // taller than the screen.
    EXPECT_EQ(Size(QSize(50, 400), 0), QSize(135, 1080));
    EXPECT_EQ(PreviewGeometry(QSize(50, 400), 0, QPoint(1500, 700), kScreen).topLeft(),
        QPoint(1500 - 10 - 135, 0));
    // An image that did not load still gets a window, without dividing by zero.
    EXPECT_EQ(Size(QSize(), 1), QSize(200, 200));
}

TEST(PreviewGeometry, BesideThePointerInsideTheScreen)
{
    // Right half: to the pointer's left, narrowed to the room there.
    EXPECT_EQ(
        PreviewGeometry(QSize(1600, 800), 0, QPoint(1200, 100), kScreen), QRect(0, 100, 1190, 595));
    // Left half: to its right; moved up where it would pass the bottom.
    EXPECT_EQ(PreviewGeometry(QSize(1000, 500), 0, QPoint(300, 900), kScreen),
        QRect(310, 580, 1000, 500));
}

} // namespace

#include "actions/preview_geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(PreviewGeometry, TheTwoHundredPixelFloorTheScreenAndImagesThatDidNotLoad)
{
    const QSize screen(1920, 1080);
    // 250 x 125 at scale 3, then stretched to 200 high.
    EXPECT_EQ(
        PreviewGeometry(QSize(1000, 500), 3, QPoint(100, 100), screen).size(), QSize(400, 200));
    // Narrow: 200 wide keeping the ratio, then no taller than the screen, left of the pointer.
    EXPECT_EQ(PreviewGeometry(QSize(50, 400), 0, QPoint(1500, 700), screen),
        QRect(1500 - 10 - 135, 0, 135, 1080));
    EXPECT_EQ(PreviewGeometry(QSize(), 1, QPoint(100, 100), screen).size(), QSize(200, 200));
}

} // namespace

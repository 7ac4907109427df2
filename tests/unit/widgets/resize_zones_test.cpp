#include "widgets/resize_zones.h"

#include <gtest/gtest.h>

namespace {

const QSize kMinimum(380, 480);

TEST(ResizeZones, HitTestFindsTheEightPixelZoneUnderEveryBorderPixel)
{
    resize_zones zones(8);
    zones.Update(QSize(600, 500));
    const std::pair<QPoint, resize_zone> cases[] = { { { 0, 250 }, resize_zone::left },
        { { 7, 8 }, resize_zone::left }, { { 8, 250 }, resize_zone::none },
        { { 7, 7 }, resize_zone::top_left }, { { 592, 250 }, resize_zone::right },
        { { 591, 250 }, resize_zone::none }, { { 300, 0 }, resize_zone::top },
        { { 300, 491 }, resize_zone::none }, { { 596, 3 }, resize_zone::top_right },
        { { 3, 496 }, resize_zone::bottom_left }, { { 592, 492 }, resize_zone::bottom_right },
        { { 599, 499 }, resize_zone::bottom_right }, { { 600, 250 }, resize_zone::none } };
    for (const auto& [point, zone] : cases)
        EXPECT_EQ(zones.HitTest(point), zone) << point.x() << "," << point.y();
    EXPECT_EQ(CursorForZone(resize_zone::top_left), Qt::SizeFDiagCursor);
    EXPECT_EQ(CursorForZone(resize_zone::bottom_left), Qt::SizeBDiagCursor);
    EXPECT_EQ(CursorForZone(resize_zone::none), Qt::ArrowCursor);

    // A maximised window: nothing grabs anywhere.
    zones.Disable();
    for (const QPoint p : { QPoint(0, 0), QPoint(0, 250), QPoint(599, 499), QPoint(300, 0),
             QPoint(-100000000, -100000000), QPoint(-150000000, -150000000) })
        EXPECT_EQ(zones.HitTest(p), resize_zone::none) << p.x() << "," << p.y();
}

TEST(ResizedGeometry, EachSideFollowsThePointerWhileTheOppositeStays)
{
    const QRect start(100, 100, 600, 500);
    const std::tuple<resize_zone, QPoint, QRect> cases[] = {
        { resize_zone::left, { -20, 7 }, { 80, 100, 620, 500 } },
        { resize_zone::right, { 30, 7 }, { 100, 100, 630, 500 } },
        { resize_zone::top, { 5, -10 }, { 100, 90, 600, 510 } },
        { resize_zone::bottom, { 5, 10 }, { 100, 100, 600, 510 } },
        { resize_zone::top_left, { 10, 10 }, { 110, 110, 590, 490 } },
        { resize_zone::top_right, { 10, 10 }, { 100, 110, 610, 490 } },
        { resize_zone::bottom_left, { 10, 10 }, { 110, 100, 590, 510 } },
        { resize_zone::bottom_right, { -10, -10 }, { 100, 100, 590, 490 } },
    };
    for (const auto& [zone, delta, expected] : cases)
        EXPECT_EQ(ResizedGeometry(zone, start, delta, kMinimum), expected) << int(zone);
}

TEST(ResizedGeometry, EverySideStopsExactlyAtTheMinimumSize)
{
    const QRect start(100, 100, 600, 500);
    // A fast drag far past the minimum lands exactly on it, the right edge staying.
    EXPECT_EQ(ResizedGeometry(resize_zone::left, start, QPoint(400, 0), kMinimum),
        QRect(320, 100, 380, 500));
    EXPECT_EQ(ResizedGeometry(resize_zone::top_left, start, QPoint(400, 400), kMinimum),
        QRect(320, 120, 380, 480));
    const QRect small(0, 0, 400, 500);
    EXPECT_EQ(ResizedGeometry(resize_zone::bottom_right, small, QPoint(-300, -300), kMinimum),
        QRect(0, 0, 380, 480));
    EXPECT_EQ(ResizedGeometry(resize_zone::bottom_left, small, QPoint(0, -300), kMinimum),
        QRect(0, 0, 400, 480));
}

} // namespace

#include "widgets/border_resizer.h"
#include "widgets/resize_zones.h"

#include <gtest/gtest.h>

namespace {

const QSize kMinimum(380, 480);

TEST(ResizeZones, EdgesAndCornersOfAWindowAreEightPixelsDeep)
{
    resize_zones zones(8);
    zones.Update(QSize(600, 500));
    // Inclusive corners as the border is laid out: W = 599, H = 499.
    EXPECT_EQ(zones.Rect(resize_zone::left), QRect(QPoint(0, 8), QPoint(7, 491)));
    EXPECT_EQ(zones.Rect(resize_zone::right), QRect(QPoint(592, 8), QPoint(599, 491)));
    EXPECT_EQ(zones.Rect(resize_zone::top), QRect(QPoint(8, 0), QPoint(591, 7)));
    EXPECT_EQ(zones.Rect(resize_zone::bottom), QRect(QPoint(8, 492), QPoint(591, 499)));
    EXPECT_EQ(zones.Rect(resize_zone::top_left), QRect(QPoint(0, 0), QPoint(7, 7)));
    EXPECT_EQ(zones.Rect(resize_zone::bottom_right), QRect(QPoint(592, 492), QPoint(599, 499)));
}

TEST(ResizeZones, HitTestFindsTheZoneUnderEveryBorderPixel)
{
    resize_zones zones(8);
    zones.Update(QSize(600, 500));
    EXPECT_EQ(zones.HitTest(QPoint(0, 250)), resize_zone::left);
    EXPECT_EQ(zones.HitTest(QPoint(7, 250)), resize_zone::left);
    EXPECT_EQ(zones.HitTest(QPoint(8, 250)), resize_zone::none);
    EXPECT_EQ(zones.HitTest(QPoint(599, 250)), resize_zone::right);
    EXPECT_EQ(zones.HitTest(QPoint(592, 250)), resize_zone::right);
    EXPECT_EQ(zones.HitTest(QPoint(591, 250)), resize_zone::none);
    EXPECT_EQ(zones.HitTest(QPoint(300, 0)), resize_zone::top);
    EXPECT_EQ(zones.HitTest(QPoint(300, 499)), resize_zone::bottom);
    EXPECT_EQ(zones.HitTest(QPoint(3, 3)), resize_zone::top_left);
    EXPECT_EQ(zones.HitTest(QPoint(596, 3)), resize_zone::top_right);
    EXPECT_EQ(zones.HitTest(QPoint(3, 496)), resize_zone::bottom_left);
    EXPECT_EQ(zones.HitTest(QPoint(599, 499)), resize_zone::bottom_right);
    // Outside the window.
    EXPECT_EQ(zones.HitTest(QPoint(600, 250)), resize_zone::none);
    EXPECT_EQ(zones.HitTest(QPoint(-1, 250)), resize_zone::none);
}

TEST(ResizeZones, DisabledZonesGrabNothingAnywhere)
{
    resize_zones zones(8);
    zones.Update(QSize(600, 500));
    zones.Disable();
    for (const QPoint p : { QPoint(0, 0), QPoint(0, 250), QPoint(599, 499), QPoint(300, 0),
             QPoint(-100000000, -100000000), QPoint(-150000000, -150000000) })
        EXPECT_EQ(zones.HitTest(p), resize_zone::none) << p.x() << "," << p.y();
}

TEST(ResizeZones, CursorsFollowTheDirectionOfTheZone)
{
    EXPECT_EQ(CursorForZone(resize_zone::left), Qt::SizeHorCursor);
    EXPECT_EQ(CursorForZone(resize_zone::right), Qt::SizeHorCursor);
    EXPECT_EQ(CursorForZone(resize_zone::top), Qt::SizeVerCursor);
    EXPECT_EQ(CursorForZone(resize_zone::bottom), Qt::SizeVerCursor);
    EXPECT_EQ(CursorForZone(resize_zone::top_left), Qt::SizeFDiagCursor);
    EXPECT_EQ(CursorForZone(resize_zone::bottom_right), Qt::SizeFDiagCursor);
    EXPECT_EQ(CursorForZone(resize_zone::top_right), Qt::SizeBDiagCursor);
    EXPECT_EQ(CursorForZone(resize_zone::bottom_left), Qt::SizeBDiagCursor);
    EXPECT_EQ(CursorForZone(resize_zone::none), Qt::ArrowCursor);
}

TEST(ResizedGeometry, EachSideFollowsThePointerWhileTheOppositeStays)
{
    const QRect start(100, 100, 600, 500);
    EXPECT_EQ(ResizedGeometry(resize_zone::left, start, QPoint(-20, 7), kMinimum),
        QRect(80, 100, 620, 500));
    EXPECT_EQ(ResizedGeometry(resize_zone::right, start, QPoint(30, 7), kMinimum),
        QRect(100, 100, 630, 500));
    EXPECT_EQ(ResizedGeometry(resize_zone::top, start, QPoint(5, -10), kMinimum),
        QRect(100, 90, 600, 510));
    EXPECT_EQ(ResizedGeometry(resize_zone::bottom, start, QPoint(5, 10), kMinimum),
        QRect(100, 100, 600, 510));
    EXPECT_EQ(ResizedGeometry(resize_zone::top_left, start, QPoint(10, 10), kMinimum),
        QRect(110, 110, 590, 490));
    EXPECT_EQ(ResizedGeometry(resize_zone::top_right, start, QPoint(10, 10), kMinimum),
        QRect(100, 110, 610, 490));
    EXPECT_EQ(ResizedGeometry(resize_zone::bottom_left, start, QPoint(10, 10), kMinimum),
        QRect(110, 100, 590, 510));
    EXPECT_EQ(ResizedGeometry(resize_zone::bottom_right, start, QPoint(-10, -10), kMinimum),
        QRect(100, 100, 590, 490));
}

TEST(ResizedGeometry, LeftEdgeStopsAtTheMinimumWidthAndTheRightEdgeStays)
{
    const QRect start(100, 100, 600, 500);
    // A fast drag far past the minimum lands exactly on it, not short of it.
    const QRect r = ResizedGeometry(resize_zone::left, start, QPoint(400, 0), kMinimum);
    EXPECT_EQ(r.width(), 380);
    EXPECT_EQ(r.x() + r.width(), 700);
    const QRect tl = ResizedGeometry(resize_zone::top_left, start, QPoint(400, 400), kMinimum);
    EXPECT_EQ(tl, QRect(320, 120, 380, 480));
}

TEST(ResizedGeometry, RightAndBottomNeverGoBelowTheMinimum)
{
    const QRect start(0, 0, 400, 500);
    EXPECT_EQ(ResizedGeometry(resize_zone::bottom_right, start, QPoint(-300, -300), kMinimum),
        QRect(0, 0, 380, 480));
    EXPECT_EQ(ResizedGeometry(resize_zone::bottom_left, start, QPoint(0, -300), kMinimum),
        QRect(0, 0, 400, 480));
}

TEST(BorderResizer, DragsOnlyFromAZoneAndNeverWhileMaximised)
{
    border_resizer resizer(8);
    resizer.zones().Update(QSize(600, 500));
    const QRect geometry(100, 100, 600, 500);

    EXPECT_FALSE(resizer.Press(QPoint(300, 250), QPoint(400, 350), geometry));
    EXPECT_FALSE(resizer.Move(QPoint(450, 350), false, kMinimum));

    ASSERT_TRUE(resizer.Press(QPoint(599, 250), QPoint(699, 350), geometry));
    EXPECT_EQ(resizer.hit(), resize_zone::right);
    EXPECT_EQ(resizer.Move(QPoint(719, 340), false, kMinimum), QRect(100, 100, 620, 500));
    EXPECT_FALSE(resizer.Move(QPoint(719, 340), true, kMinimum));

    resizer.Release();
    EXPECT_FALSE(resizer.resizing());
    EXPECT_FALSE(resizer.Move(QPoint(800, 340), false, kMinimum));
}

} // namespace

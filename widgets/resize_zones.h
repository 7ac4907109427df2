// The eight grab zones along a frameless window's border, and how a drag in
// one of them changes the window's geometry.
#pragma once

#include <array>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

// In hit-test order: edges first, then corners.
enum class resize_zone {
    none = -1,
    left,
    right,
    top,
    bottom,
    top_left,
    top_right,
    bottom_left,
    bottom_right
};

class resize_zones {
public:
    explicit resize_zones(int border = 8);

    // Zones of a normal window of this size.
    void Update(const QSize& size);
    // A maximised window: every zone lies far outside, so nothing grabs.
    void Disable();

    // The first zone holding the point, in window coordinates.
    resize_zone HitTest(const QPoint& point) const;
    QRect Rect(resize_zone zone) const;
    int border() const { return border_; }

private:
    int border_;
    std::array<QRect, 8> rects_;
};

Qt::CursorShape CursorForZone(resize_zone zone);

// The window geometry after the pointer moved by delta since the press. The
// side of the zone follows the pointer while the opposite side stays put;
// a side stops where the window reaches its minimum size.
QRect ResizedGeometry(
    resize_zone zone, const QRect& start, const QPoint& delta, const QSize& minimum);

#include "widgets/resize_zones.h"

#include <algorithm>

namespace {

// Rectangles by their inclusive left, top, right and bottom, as the zones are laid out.
QRect Inclusive(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

resize_zones::resize_zones(int border)
    : border_(border)
{
    Disable();
}

void resize_zones::Update(const QSize& size)
{
    const int w = size.width() - 1;
    const int h = size.height() - 1;
    const int b = border_;
    rects_[static_cast<int>(resize_zone::left)] = Inclusive(0, b, b - 1, h - b);
    rects_[static_cast<int>(resize_zone::right)] = Inclusive(w + 1 - b, b, w, h - b);
    rects_[static_cast<int>(resize_zone::top)] = Inclusive(b, 0, w - b, b - 1);
    rects_[static_cast<int>(resize_zone::bottom)] = Inclusive(b, h + 1 - b, w - b, h);
    rects_[static_cast<int>(resize_zone::top_left)] = Inclusive(0, 0, b - 1, b - 1);
    rects_[static_cast<int>(resize_zone::top_right)] = Inclusive(w + 1 - b, 0, w, b - 1);
    rects_[static_cast<int>(resize_zone::bottom_left)] = Inclusive(0, h + 1 - b, b - 1, h);
    rects_[static_cast<int>(resize_zone::bottom_right)] = Inclusive(w + 1 - b, h + 1 - b, w, h);
}

void resize_zones::Disable()
{
    // Right and bottom lie left of and above left and top: an empty rectangle
    // that no point of the window can fall into.
    rects_.fill(Inclusive(-100000000, -100000000, -200000001, -200000001));
}

resize_zone resize_zones::HitTest(const QPoint& point) const
{
    for (int i = 0; i < static_cast<int>(rects_.size()); ++i) {
        // QRect::contains would normalise the disabled rectangles into huge valid ones.
        if (rects_[i].isValid() && rects_[i].contains(point))
            return static_cast<resize_zone>(i);
    }
    return resize_zone::none;
}

QRect resize_zones::Rect(resize_zone zone) const
{
    if (zone == resize_zone::none)
        return QRect();
    return rects_[static_cast<int>(zone)];
}

Qt::CursorShape CursorForZone(resize_zone zone)
{
    switch (zone) {
    case resize_zone::left:
    case resize_zone::right:
        return Qt::SizeHorCursor;
    case resize_zone::top:
    case resize_zone::bottom:
        return Qt::SizeVerCursor;
    case resize_zone::top_left:
    case resize_zone::bottom_right:
        return Qt::SizeFDiagCursor;
    case resize_zone::top_right:
    case resize_zone::bottom_left:
        return Qt::SizeBDiagCursor;
    case resize_zone::none:
        break;
    }
    return Qt::ArrowCursor;
}

QRect ResizedGeometry(
    resize_zone zone, const QRect& start, const QPoint& delta, const QSize& minimum)
{
    const bool moves_left = zone == resize_zone::left || zone == resize_zone::top_left
        || zone == resize_zone::bottom_left;
    const bool moves_right = zone == resize_zone::right || zone == resize_zone::top_right
        || zone == resize_zone::bottom_right;
    const bool moves_top = zone == resize_zone::top || zone == resize_zone::top_left
        || zone == resize_zone::top_right;
    const bool moves_bottom = zone == resize_zone::bottom || zone == resize_zone::bottom_left
        || zone == resize_zone::bottom_right;

    int x = start.x();
    int y = start.y();
    int width = start.width();
    int height = start.height();
    const int right = start.x() + start.width();
    const int bottom = start.y() + start.height();
    if (moves_left) {
        // The right side stays, so a too narrow width pins the left side there.
        width = std::max(start.width() - delta.x(), minimum.width());
        x = right - width;
    } else if (moves_right) {
        width = std::max(start.width() + delta.x(), minimum.width());
    }
    if (moves_top) {
        height = std::max(start.height() - delta.y(), minimum.height());
        y = bottom - height;
    } else if (moves_bottom) {
        height = std::max(start.height() + delta.y(), minimum.height());
    }
    return QRect(x, y, width, height);
}

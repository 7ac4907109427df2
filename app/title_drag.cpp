#include "app/title_drag.h"

bool title_drag::InStrip(const QPoint& local, int window_width)
{
    return local.x() >= 0 && local.x() <= window_width - 145 && local.y() >= 0 && local.y() <= 43;
}

bool title_drag::Press(
    const QPoint& local, const QPoint& global, const QPoint& frame, int window_width)
{
    if (!InStrip(local, window_width))
        return false;
    dragging_ = true;
    press_ = global;
    frame_ = frame;
    return true;
}

QPoint title_drag::Target(const QPoint& global) const
{
    return global - press_ + frame_;
}

std::optional<QPoint> title_drag::Restored(int new_width, const QPoint& global)
{
    if (new_width - 1 - 142 > global.x())
        return std::nullopt;
    press_ = QPoint(new_width / 2, global.y());
    return QPoint(new_width / 2 + frame_.x(), global.y() + frame_.y());
}

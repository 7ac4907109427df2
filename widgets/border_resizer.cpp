#include "widgets/border_resizer.h"

bool border_resizer::Press(const QPoint& local, const QPoint& global, const QRect& geometry)
{
    start_ = geometry;
    press_ = global;
    hit_ = zones_.HitTest(local);
    return hit_ != resize_zone::none;
}

std::optional<QRect> border_resizer::Move(
    const QPoint& global, bool maximised, const QSize& minimum) const
{
    if (hit_ == resize_zone::none || maximised)
        return std::nullopt;
    return ResizedGeometry(hit_, start_, global - press_, minimum);
}

void border_resizer::Release()
{
    hit_ = resize_zone::none;
}

Qt::CursorShape border_resizer::CursorAt(const QPoint& local) const
{
    return CursorForZone(zones_.HitTest(local));
}

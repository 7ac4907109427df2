#include "app/window_animation.h"

#include <algorithm>

void window_animation::Start(bool show, bool quit_after, const QPoint& frame)
{
    show_ = show;
    quit_after_ = quit_after;
    x_ = frame.x();
    y_ = show ? frame.y() - 50 : frame.y();
    step_ = show ? 0 : 10;
}

window_animation::tick window_animation::Next()
{
    tick t;
    t.opacity = step_ * 0.1;
    step_ += show_ && !quit_after_ ? 1 : -1;
    y_ += show_ ? 5 : -5;
    t.position = QPoint(x_, std::max(y_, 0));
    // A hide ends on the tick that takes the step below zero.
    t.done = step_ < 0 || step_ * 0.1 > 1.0;
    return t;
}

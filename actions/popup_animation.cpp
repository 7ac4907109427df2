#include "actions/popup_animation.h"

void popup_animation::StartShow(const QPoint& centred)
{
    // A show during a fade-out starts from transparent again.
    showing_ = true;
    step_ = 0;
    x_ = centred.x();
    y_ = centred.y();
}

void popup_animation::StartClose()
{
    showing_ = false;
    step_ = 10;
}

popup_animation::tick popup_animation::Next()
{
    tick t;
    t.opacity = step_ * 0.1;
    if (showing_) {
        ++step_;
        y_ += 3;
        t.done = step_ * 0.1 > 1.0;
    } else {
        --step_;
        y_ -= 3;
        t.done = step_ <= 0;
    }
    t.position = QPoint(x_, y_);
    return t;
}

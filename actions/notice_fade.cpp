#include "actions/notice_fade.h"

bool notice_fade::Tick()
{
    if (finished_)
        return false;
    if (rising_) {
        ++counter_;
        if (counter_ > peak)
            rising_ = false;
        return true;
    }
    --counter_;
    if (counter_ < 0)
        finished_ = true;
    return !finished_;
}

double notice_fade::BoxOpacity() const
{
    return counter_ < 0 ? 0.0 : counter_ * 0.05;
}

double notice_fade::TextOpacity() const
{
    return counter_ < 0 ? 0.0 : counter_ * 0.05 + 0.2;
}

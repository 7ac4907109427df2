// The brightness of a notice over its life: it rises one step every tick
// until past 34, then falls one step a tick until below 0.
#pragma once

class notice_fade {
public:
    // One 50 ms tick; false once the notice is finished.
    bool Tick();

    int counter() const { return counter_; }
    bool rising() const { return rising_; }
    bool finished() const { return finished_; }

    // Opacity of the rounded box and of the text for the current counter.
    double BoxOpacity() const;
    double TextOpacity() const;

    static constexpr int interval_ms = 50;
    static constexpr int peak = 34;

private:
    int counter_ = 0;
    bool rising_ = true;
    bool finished_ = false;
};

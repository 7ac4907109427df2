// Plays steps (a key, a window switch, a copy) one after another with a wait
// after each, on timers: the thread that plays them never sleeps, and steps
// added while others wait run after them, in order.
#pragma once

#include <deque>
#include <functional>

class key_player {
public:
    // Calls resume once, ms later, on the same thread.
    using waiter = std::function<void(int ms, std::function<void()> resume)>;

    explicit key_player(waiter wait);
    key_player(const key_player&) = delete;
    key_player& operator=(const key_player&) = delete;

    // Runs step now when nothing is playing, otherwise after the steps before it.
    void Then(std::function<void()> step, int wait_ms = 0);
    bool Idle() const { return !waiting_ && steps_.empty(); }

private:
    struct timed_step {
        std::function<void()> run;
        int wait_ms = 0;
    };
    void Play();

    waiter wait_;
    std::deque<timed_step> steps_;
    bool waiting_ = false;
    bool playing_ = false;
};

#include "actions/key_player.h"

key_player::key_player(waiter wait)
    : wait_(std::move(wait))
{
}

void key_player::Then(std::function<void()> step, int wait_ms)
{
    steps_.push_back({ std::move(step), wait_ms });
    // A step that adds steps, or a waiter that resumes at once, is already
    // inside Play: the loop there takes the new ones.
    if (!waiting_ && !playing_)
        Play();
}

void key_player::Play()
{
    playing_ = true;
    while (!steps_.empty()) {
        timed_step step = std::move(steps_.front());
        steps_.pop_front();
        if (step.run)
            step.run();
        if (step.wait_ms > 0) {
            waiting_ = true;
            playing_ = false;
            wait_(step.wait_ms, [this] {
                waiting_ = false;
                if (!playing_)
                    Play();
            });
            return;
        }
    }
    playing_ = false;
}

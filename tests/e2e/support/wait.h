// Bounded polling for end-to-end tests.
#pragma once

#include <functional>
#include <QElapsedTimer>
#include <QThread>

namespace e2e {

// Polls every 50 ms until the condition holds or the time is up; returns the
// last answer. Never waits longer than timeout_ms (plus one poll).
inline bool WaitUntil(const std::function<bool()>& condition, int timeout_ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() >= timeout_ms)
            return condition();
        QThread::msleep(50);
    }
    return true;
}

} // namespace e2e

// Bounded polling for end-to-end tests.
#pragma once

#include <functional>
#include <QElapsedTimer>
#include <QProcess>
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

// Whether the process prints the line in time, reading its output into output.
inline bool Said(QProcess& process, QByteArray& output, const QByteArray& line, int timeout_ms)
{
    return WaitUntil(
        [&] {
            process.waitForReadyRead(50);
            output += process.readAll();
            return output.contains(line + '\n');
        },
        timeout_ms);
}

} // namespace e2e

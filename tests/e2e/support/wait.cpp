#include "tests/e2e/support/wait.h"

#include <QElapsedTimer>
#include <QThread>

namespace e2e {

bool WaitUntil(const std::function<bool()>& condition, int timeout_ms)
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

// The one worker that writes the history to disk: entry files and the index,
// in the order they were handed over, so that the GUI thread never waits for
// an encoder or the disk. What follows a write (the entry joins the list)
// comes back to the writer's own thread, in the same order.
#pragma once

#include "core/serial_worker.h"

#include <deque>
#include <functional>
#include <memory>
#include <mutex>

class QObject;

class history_writer {
public:
    history_writer();
    // Finishes everything handed over, then ends the worker.
    ~history_writer();
    history_writer(const history_writer&) = delete;
    history_writer& operator=(const history_writer&) = delete;

    // work runs on the worker; done afterwards on this object's thread, both
    // in the order of Post. Either may be empty.
    void Post(std::function<void()> work, std::function<void()> done = {});

    // Waits until every work is done and runs their dones here, including
    // those of work that a done posted. For quitting: the only wait.
    void Finish();

private:
    // On the worker: the done goes to this object's thread.
    void Queue(std::function<void()> done);
    void Deliver();

    std::unique_ptr<QObject> receiver_;
    std::mutex mutex_;
    std::deque<std::function<void()>> dones_;
    serial_worker worker_;
};

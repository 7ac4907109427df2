#include "history/history_writer.h"

#include "core/log_categories.h"
#include "platform/process_memory.h"

#include <exception>
#include <QObject>
#include <QScopeGuard>

history_writer::history_writer()
    : receiver_(std::make_unique<QObject>())
    // After a burst of captures (decoded images, encode buffers) the free
    // pages go back.
    , worker_(
          [](const std::string& error) {
              qCWarning(log_history) << "history write failed:" << error.c_str();
          },
          [] { platform::GiveBackFreePages(); })
{
}

history_writer::~history_writer()
{
    Finish();
}

void history_writer::Post(std::function<void()> work, std::function<void()> done)
{
    worker_.Post([this, work = std::move(work), done = std::move(done)]() mutable {
        // The done follows also when the work threw (the worker logs that).
        const auto queue_done = qScopeGuard([&] { Queue(std::move(done)); });
        if (work)
            work();
    });
}

void history_writer::Queue(std::function<void()> done)
{
    std::lock_guard<std::mutex> lock(mutex_);
    dones_.push_back(std::move(done));
    if (dones_.size() == 1)
        QMetaObject::invokeMethod(
            receiver_.get(), [this] { Deliver(); }, Qt::QueuedConnection);
}

void history_writer::Deliver()
{
    std::deque<std::function<void()>> ready;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ready.swap(dones_);
    }
    for (std::function<void()>& done : ready)
        if (done)
            done();
}

void history_writer::Finish()
{
    for (;;) {
        worker_.WaitIdle();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (dones_.empty())
                return;
        }
        Deliver();
    }
}

#include "history/history_writer.h"

#include "core/log_categories.h"
#include "platform/process_memory.h"

#include <exception>
#include <QObject>

history_writer::history_writer()
    : receiver_(std::make_unique<QObject>())
    , thread_([this] { Run(); })
{
}

history_writer::~history_writer()
{
    Finish();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void history_writer::Post(std::function<void()> work, std::function<void()> done)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        jobs_.push_back({ std::move(work), std::move(done) });
    }
    wake_.notify_one();
}

void history_writer::Run()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty())
            return;
        job next = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        // Nothing may escape the worker: a failed write is the work's to report.
        try {
            if (next.work)
                next.work();
        } catch (const std::exception& error) {
            qCWarning(log_history) << "history write failed:" << error.what();
        } catch (...) {
            qCWarning(log_history) << "history write failed";
        }
        lock.lock();
        // A burst of captures (decoded images, encode buffers) is over.
        if (jobs_.empty()) {
            lock.unlock();
            platform::GiveBackFreePages();
            lock.lock();
        }
        busy_ = false;
        dones_.push_back(std::move(next.done));
        if (dones_.size() == 1)
            QMetaObject::invokeMethod(
                receiver_.get(), [this] { Deliver(); }, Qt::QueuedConnection);
        if (jobs_.empty())
            idle_.notify_all();
    }
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
        {
            std::unique_lock<std::mutex> lock(mutex_);
            idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
            if (dones_.empty())
                return;
        }
        Deliver();
    }
}

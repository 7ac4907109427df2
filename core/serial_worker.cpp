#include "core/serial_worker.h"

#include <exception>

serial_worker::serial_worker(
    std::function<void(const std::string&)> failed, std::function<void()> drained)
    : failed_(std::move(failed))
    , drained_(std::move(drained))
    , thread_([this] { Run(); })
{
}

serial_worker::~serial_worker()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        jobs_.clear();
    }
    wake_.notify_all();
    thread_.join();
}

void serial_worker::Post(std::function<void()> job)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (stopping_)
            return;
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

void serial_worker::WaitIdle()
{
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

void serial_worker::Run()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (stopping_)
            return;
        std::function<void()> job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        try {
            job();
        } catch (const std::exception& error) {
            failed_(error.what());
        } catch (...) {
            failed_("unknown error");
        }
        lock.lock();
        if (jobs_.empty() && drained_) {
            lock.unlock();
            drained_();
            lock.lock();
        }
        busy_ = false;
        if (jobs_.empty())
            idle_.notify_all();
    }
}

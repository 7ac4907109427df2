#include "server/task_workers.h"

#include "server/server_log.h"

#include <exception>

namespace syncd {

task_workers::task_workers(std::size_t threads)
{
    if (threads == 0)
        threads = 1;
    for (std::size_t i = 0; i < threads; ++i)
        threads_.emplace_back([this] { work(); });
}

task_workers::~task_workers()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (auto& t : threads_)
        t.join();
}

void task_workers::submit(std::function<void()> task)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back(std::move(task));
    }
    wake_.notify_one();
}

void task_workers::work()
{
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (queue_.empty())
                return;
            task = std::move(queue_.front());
            queue_.pop_front();
        }
        try {
            task();
        } catch (const std::exception& e) {
            log_event(std::string("task failed: ") + e.what());
        } catch (...) {
            log_event("task failed");
        }
    }
}

} // namespace syncd

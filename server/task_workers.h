// A few threads that run slow tasks (password hashing, database) off the I/O threads.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace syncd {

class task_workers {
public:
    explicit task_workers(std::size_t threads);
    ~task_workers(); // runs what is queued, then joins

    task_workers(const task_workers&) = delete;
    task_workers& operator=(const task_workers&) = delete;

    void submit(std::function<void()> task);

private:
    void work();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> queue_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

} // namespace syncd

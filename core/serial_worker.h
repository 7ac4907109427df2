// One thread that runs jobs one after another in the order they were posted,
// so that the thread posting them never waits for the disk or the network.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

class serial_worker {
public:
    // failed hears what a job threw (nothing escapes the worker); drained runs
    // on the worker each time its queue has run empty.
    explicit serial_worker(
        std::function<void(const std::string&)> failed, std::function<void()> drained = {});
    // Drops the jobs not started yet, waits for the one running.
    ~serial_worker();
    serial_worker(const serial_worker&) = delete;
    serial_worker& operator=(const serial_worker&) = delete;

    void Post(std::function<void()> job);
    // Until every job posted so far has run.
    void WaitIdle();
    // Set once the worker is ending: a long job may stop early.
    bool stopping() const { return stopping_; }

private:
    void Run();

    const std::function<void(const std::string&)> failed_;
    const std::function<void()> drained_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<std::function<void()>> jobs_;
    bool busy_ = false;
    std::atomic<bool> stopping_ { false };
    std::thread thread_;
};

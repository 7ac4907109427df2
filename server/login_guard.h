// Counts failed logins per address so that guessing passwords from one place is refused.
#pragma once

#include <chrono>
#include <cstddef>
#include <mutex>
#include <string>
#include <unordered_map>

namespace syncd {

class login_guard {
public:
    using clock = std::chrono::steady_clock;

    login_guard(std::size_t max_failures, std::chrono::seconds window);

    // True while the address has max_failures failures inside the current window.
    bool blocked(const std::string& address, clock::time_point now);
    void record_failure(const std::string& address, clock::time_point now);

private:
    struct entry {
        clock::time_point window_start;
        std::size_t failures = 0;
    };
    void prune(clock::time_point now);

    std::mutex mutex_;
    std::unordered_map<std::string, entry> entries_;
    std::size_t max_failures_;
    std::chrono::seconds window_;
};

} // namespace syncd

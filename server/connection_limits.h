// Counts open connections, in total and per client address, against their limits.
#pragma once

#include <cstddef>
#include <mutex>
#include <string>
#include <unordered_map>

namespace syncd {

class connection_limits {
public:
    connection_limits(std::size_t max_total, std::size_t max_per_address);

    // Counts the connection and returns true, or returns false when a limit is reached.
    bool try_acquire(const std::string& address);
    void release(const std::string& address);
    std::size_t total() const;

private:
    mutable std::mutex mutex_;
    std::unordered_map<std::string, std::size_t> per_address_;
    std::size_t total_ = 0;
    std::size_t max_total_;
    std::size_t max_per_address_;
};

} // namespace syncd

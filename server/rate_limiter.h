// Token buckets for registrations: one per address and one for everybody. A bucket holds up
// to a minute's allowance and refills evenly, so a burst spends it and then the rate holds.
#pragma once

#include <chrono>
#include <cstddef>
#include <mutex>
#include <string>
#include <unordered_map>

namespace syncd {

class rate_limiter {
public:
    using clock = std::chrono::steady_clock;

    // Allowances per minute; 0 leaves that bucket out.
    rate_limiter(std::size_t per_address_per_minute, std::size_t total_per_minute);

    // Takes a token from the address's bucket and the shared one, or returns false (and takes
    // none) when either is empty.
    bool try_take(const std::string& address, clock::time_point now);

private:
    struct bucket {
        double tokens = 0;
        clock::time_point updated;
    };
    static void refill(bucket& b, std::size_t per_minute, clock::time_point now);

    std::mutex mutex_;
    std::unordered_map<std::string, bucket> per_address_;
    bucket total_;
    std::size_t per_address_per_minute_;
    std::size_t total_per_minute_;
};

} // namespace syncd

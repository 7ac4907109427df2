#include "server/rate_limiter.h"

#include <algorithm>

namespace syncd {

namespace {
// Full buckets carry no information; they are swept once this many addresses gathered.
constexpr std::size_t prune_threshold = 4096;
} // namespace

rate_limiter::rate_limiter(std::size_t per_address_per_minute, std::size_t total_per_minute)
    : per_address_per_minute_(per_address_per_minute)
    , total_per_minute_(total_per_minute)
{
    total_.tokens = static_cast<double>(total_per_minute);
    total_.updated = clock::now();
}

void rate_limiter::refill(bucket& b, std::size_t per_minute, clock::time_point now)
{
    const double minutes = std::chrono::duration<double, std::ratio<60>>(now - b.updated).count();
    if (minutes > 0) {
        b.tokens = std::min(
            static_cast<double>(per_minute), b.tokens + minutes * static_cast<double>(per_minute));
        b.updated = now;
    }
}

bool rate_limiter::try_take(const std::string& address, clock::time_point now)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (total_per_minute_ > 0) {
        refill(total_, total_per_minute_, now);
        if (total_.tokens < 1)
            return false;
    }
    if (per_address_per_minute_ > 0) {
        if (per_address_.size() >= prune_threshold) {
            for (auto it = per_address_.begin(); it != per_address_.end();) {
                refill(it->second, per_address_per_minute_, now);
                if (it->second.tokens >= static_cast<double>(per_address_per_minute_))
                    it = per_address_.erase(it);
                else
                    ++it;
            }
        }
        auto [it, fresh] = per_address_.try_emplace(address);
        bucket& b = it->second;
        if (fresh)
            b = { static_cast<double>(per_address_per_minute_), now };
        refill(b, per_address_per_minute_, now);
        if (b.tokens < 1)
            return false;
        b.tokens -= 1;
    }
    if (total_per_minute_ > 0)
        total_.tokens -= 1;
    return true;
}

} // namespace syncd

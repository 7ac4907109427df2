#include "server/login_guard.h"

namespace syncd {

namespace {
// Expired entries are swept only when this many have gathered, so the map stays bounded
// without a sweep on every failure.
constexpr std::size_t prune_threshold = 4096;
} // namespace

login_guard::login_guard(std::size_t max_failures, std::chrono::seconds window)
    : max_failures_(max_failures)
    , window_(window)
{
}

bool login_guard::blocked(const std::string& address, clock::time_point now)
{
    if (max_failures_ == 0)
        return false;
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = entries_.find(address);
    if (it == entries_.end())
        return false;
    if (now - it->second.window_start >= window_) {
        entries_.erase(it);
        return false;
    }
    return it->second.failures >= max_failures_;
}

void login_guard::record_failure(const std::string& address, clock::time_point now)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (entries_.size() >= prune_threshold)
        prune(now);
    auto& e = entries_[address];
    if (e.failures == 0 || now - e.window_start >= window_) {
        e.window_start = now;
        e.failures = 0;
    }
    ++e.failures;
}

void login_guard::prune(clock::time_point now)
{
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (now - it->second.window_start >= window_)
            it = entries_.erase(it);
        else
            ++it;
    }
}

} // namespace syncd

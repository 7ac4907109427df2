#include "server/login_guard.h"

#include <algorithm>
#include <cstdint>

namespace syncd {

namespace {
// Expired entries are swept only when this many have gathered, so the map stays bounded
// without a sweep on every failure.
constexpr std::size_t prune_threshold = 4096;
// Guesses at random names must not grow the account map without end; past this, accounts not
// waiting right now are forgotten.
constexpr std::size_t max_accounts = 65536;
} // namespace

login_guard::login_guard(std::size_t max_failures, std::chrono::seconds window,
    std::size_t account_free_failures, std::chrono::seconds account_delay_max)
    : max_failures_(max_failures)
    , window_(window)
    , account_free_failures_(account_free_failures)
    , account_delay_max_(account_delay_max)
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

bool login_guard::account_waiting(std::string_view account, clock::time_point now)
{
    if (account_free_failures_ == 0)
        return false;
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = accounts_.find(std::string(account));
    return it != accounts_.end() && now < it->second.next_try;
}

void login_guard::record_account_failure(std::string_view account, clock::time_point now)
{
    if (account_free_failures_ == 0)
        return;
    std::lock_guard<std::mutex> lock(mutex_);
    if (accounts_.size() >= prune_threshold)
        prune_accounts(now);
    auto& e = accounts_[std::string(account)];
    if (e.failures > 0 && now - e.last_failure >= account_delay_max_)
        e.failures = 0;
    e.last_failure = now;
    if (++e.failures < account_free_failures_)
        return;
    const std::size_t doublings = std::min<std::size_t>(e.failures - account_free_failures_, 30);
    const auto delay = std::min<clock::duration>(
        std::chrono::seconds(std::int64_t { 1 } << doublings), account_delay_max_);
    e.next_try = now + delay;
}

void login_guard::record_account_success(std::string_view account)
{
    if (account_free_failures_ == 0)
        return;
    std::lock_guard<std::mutex> lock(mutex_);
    accounts_.erase(std::string(account));
}

void login_guard::prune_accounts(clock::time_point now)
{
    for (auto it = accounts_.begin(); it != accounts_.end();) {
        if (now - it->second.last_failure >= account_delay_max_)
            it = accounts_.erase(it);
        else
            ++it;
    }
    if (accounts_.size() < max_accounts)
        return;
    for (auto it = accounts_.begin(); it != accounts_.end();) {
        if (now >= it->second.next_try)
            it = accounts_.erase(it);
        else
            ++it;
    }
}

} // namespace syncd

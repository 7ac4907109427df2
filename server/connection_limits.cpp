#include "server/connection_limits.h"

namespace syncd {

connection_limits::connection_limits(std::size_t max_total, std::size_t max_per_address)
    : max_total_(max_total)
    , max_per_address_(max_per_address)
{
}

bool connection_limits::try_acquire(const std::string& address)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (total_ >= max_total_)
        return false;
    auto& count = per_address_[address];
    if (count >= max_per_address_) {
        if (count == 0)
            per_address_.erase(address);
        return false;
    }
    ++count;
    ++total_;
    return true;
}

void connection_limits::release(const std::string& address)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = per_address_.find(address);
    if (it == per_address_.end())
        return;
    if (--it->second == 0)
        per_address_.erase(it);
    --total_;
}

std::size_t connection_limits::total() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return total_;
}

} // namespace syncd

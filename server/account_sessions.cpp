#include "server/account_sessions.h"

#include <algorithm>

namespace syncd {

void account_sessions::Join(
    const std::string& account, const void* id, std::weak_ptr<push_target> target)
{
    std::lock_guard<std::mutex> lock(mutex_);
    accounts_[account].push_back({ id, std::move(target) });
}

void account_sessions::Leave(const std::string& account, const void* id)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = accounts_.find(account);
    if (it == accounts_.end())
        return;
    auto& members = it->second;
    members.erase(std::remove_if(
                      members.begin(), members.end(), [id](const member& m) { return m.id == id; }),
        members.end());
    if (members.empty())
        accounts_.erase(it);
}

std::size_t account_sessions::Push(const std::string& account, const void* sender,
    const std::shared_ptr<const outgoing_batch>& batch)
{
    std::vector<std::shared_ptr<push_target>> targets;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto it = accounts_.find(account);
        if (it == accounts_.end())
            return 0;
        for (const auto& m : it->second)
            if (m.id != sender)
                if (auto target = m.target.lock())
                    targets.push_back(std::move(target));
    }
    // Outside the lock: a push posts to the connection's thread, which may be joining.
    for (const auto& target : targets)
        target->Push(batch);
    return targets.size();
}

} // namespace syncd

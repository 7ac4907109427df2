// The connections logged in to each account, so that a change one machine sends reaches the
// account's other machines. Thread-safe; the workers push, the connections join and leave.
#pragma once

#include "server/outgoing_batch.h"

#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace syncd {

// A connection that takes pushed batches; Push may be called from any thread.
class push_target {
public:
    virtual ~push_target() = default;
    virtual void Push(std::shared_ptr<const outgoing_batch> batch) = 0;
};

class account_sessions {
public:
    // id tells the connection apart when it leaves or pushes.
    void Join(const std::string& account, const void* id, std::weak_ptr<push_target> target);
    void Leave(const std::string& account, const void* id);
    // To every connection of the account but the sender; returns how many.
    std::size_t Push(const std::string& account, const void* sender,
        const std::shared_ptr<const outgoing_batch>& batch);

private:
    struct member {
        const void* id;
        std::weak_ptr<push_target> target;
    };
    std::mutex mutex_;
    std::unordered_map<std::string, std::vector<member>> accounts_;
};

} // namespace syncd

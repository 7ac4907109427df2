#include "core/message_bus.h"

#include <memory>
#include <mutex>
#include <vector>

namespace bus {
namespace {

struct Entry {
    std::int64_t id;
    Handler handler;
    bool removed = false;
};

// Entries are only appended (removal just marks them), so an index stays valid
// while a post walks the list. The mutex is held while reading the list,
// never while a handler runs, so handlers may register and post freely.
struct Registry {
    std::mutex mutex;
    std::vector<std::shared_ptr<Entry>> entries;
};

Registry& TheRegistry()
{
    static auto* registry = new Registry; // never destroyed: posts may run during exit
    return *registry;
}

} // namespace

Token Register(std::int64_t id, Handler handler)
{
    auto& r = TheRegistry();
    auto entry = std::make_shared<Entry>();
    entry->id = id;
    entry->handler = std::move(handler);
    std::lock_guard<std::mutex> lock(r.mutex);
    r.entries.push_back(std::move(entry));
    return r.entries.size(); // 1-based index of the entry
}

void Unregister(Token token)
{
    auto& r = TheRegistry();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (token == 0 || token > r.entries.size())
        return;
    r.entries[token - 1]->removed = true;
}

std::int64_t Post(std::int64_t id, std::int64_t a, std::int64_t b)
{
    auto& r = TheRegistry();
    for (std::size_t i = 0;; ++i) {
        std::shared_ptr<Entry> entry;
        {
            std::lock_guard<std::mutex> lock(r.mutex);
            // The length is read anew each step: entries appended by a handler
            // during this post are reached too.
            for (; i < r.entries.size(); ++i) {
                const auto& e = r.entries[i];
                if (e->id == id && !e->removed) {
                    entry = e;
                    break;
                }
            }
        }
        if (!entry)
            return 0;
        entry->handler(id, a, b);
    }
}

} // namespace bus

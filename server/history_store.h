// The accounts' histories in one SQLite database: each entry's file name, type with the
// favourite flag, digest, window title, time and file size, and the names deleted earlier.
// One connection behind a mutex, used from the worker threads.
#pragma once

#include "server/history_entry.h"

#include <cstddef>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

struct sqlite3;

namespace syncd {

struct history_changes {
    std::vector<history_entry> put; // added or replaced, by name
    std::vector<std::string> remove;
    std::vector<std::string> deleted; // remembered as deleted (and removed)
    std::vector<std::string> undeleted; // added again: forgotten as deleted
};

class history_store {
public:
    // keep_deleted: the deleted names remembered per account, the newest ones.
    explicit history_store(std::size_t keep_deleted = 5000)
        : keep_deleted_(keep_deleted)
    {
    }
    ~history_store();
    history_store(const history_store&) = delete;
    history_store& operator=(const history_store&) = delete;

    // Opens or creates the database; false (logged) on failure.
    bool Open(const std::string& path);

    // Empty when the account has none or the database fails (logged).
    std::vector<history_entry> Entries(std::string_view account);
    std::unordered_set<std::string> DeletedNames(std::string_view account);
    // One transaction; false (logged, nothing changed) on failure.
    bool Apply(std::string_view account, const history_changes& changes);

private:
    bool Exec(const char* sql);
    bool ApplyLocked(std::string_view account, const history_changes& changes);

    std::size_t keep_deleted_;
    std::mutex mutex_;
    sqlite3* db_ = nullptr;
};

} // namespace syncd

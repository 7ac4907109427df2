// Each account's history as stored: its list in the database and its files on disk, changed
// under a lock of the account, so that two connections of one account take turns. After each
// change the list's rules hold, and the storage use the logins check is up to date.
// Thread-safe; used from the worker threads.
#pragma once

#include "server/account_files.h"
#include "server/account_store.h"
#include "server/finished_upload.h"
#include "server/history_list.h"
#include "server/history_store.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace syncd {

class account_history {
public:
    // accounts may be null: storage use is then not recorded for logins.
    account_history(history_store& store, account_files& files, account_store* accounts,
        std::size_t max_entries, std::int64_t quota_bytes);

    std::vector<history_entry> Entries(const std::string& account);
    // The account's list with a client's index; digests and titles the account lacked for
    // entries it knows are taken from the index.
    merge_result Merge(const std::string& account, const std::vector<history_entry>& client);

    enum class outcome { stored, dropped, over_quota, failed };
    // Moves a finished upload into place as entry (whose name, size, stamp and a missing
    // digest come from the upload). stored: entry is now as the account holds it. dropped: a
    // newer copy or the trim took it at once. The upload's file is gone in every case but
    // stored.
    outcome Store(const std::string& account, const finished_upload& file, history_entry& entry,
        std::string& error);
    // Removes the names and remembers them as deleted.
    void Delete(const std::string& account, const std::vector<std::string>& names);
    // Entries with name and favourite mark; unknown names are left alone.
    void SetFavourites(const std::string& account, const std::vector<history_entry>& changes);

private:
    // Saves the list after a change; false (logged) when the database fails.
    bool Save(const std::string& account, const history_list& before, const history_list& after,
        history_changes changes);
    std::mutex& LockOf(const std::string& account);

    history_store& store_;
    account_files& files_;
    account_store* accounts_;
    std::size_t max_entries_;
    std::int64_t quota_bytes_;
    std::array<std::mutex, 64> locks_;
};

} // namespace syncd

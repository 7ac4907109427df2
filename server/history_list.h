// An account's history as a list, newest first, and the rules every change keeps: one entry
// per digest (the newest, a favourite when any of its copies was) and at most a maximum of
// entries, the oldest that are not favourites going first. Plain and single-threaded.
#pragma once

#include "server/history_entry.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace syncd {

struct merge_result {
    std::vector<history_entry> merged; // newest first: the client's index from now on
    std::vector<std::string> client_lacks; // names of account entries the client has not
    std::vector<history_entry> server_lacks; // the client's entries the account has not
    std::vector<history_entry> account_updates; // entries that took a digest or title
};

class history_list {
public:
    history_list() = default;
    explicit history_list(std::vector<history_entry> entries);

    const std::vector<history_entry>& Entries() const { return entries_; }
    const history_entry* Find(std::string_view name) const;
    std::int64_t StoredBytes() const;

    // Adds entry, or replaces the entry of its name keeping that one's favourite mark and a
    // title the new one lacks, then keeps the rules. Returns the names that left the list; the
    // entry's own name is among them when a newer copy or the trim took it.
    std::vector<std::string> Add(history_entry entry, std::size_t max_entries);
    bool Remove(std::string_view name);
    bool SetFavourite(std::string_view name, bool favourite);

    // The account's list (this) with a client's index: the union, newest first, without the
    // deleted names, under the rules; for entries the account knows, its own type and
    // favourite mark.
    merge_result Merge(const std::vector<history_entry>& client,
        const std::unordered_set<std::string>& deleted, std::size_t max_entries) const;

private:
    std::vector<history_entry> entries_;
};

// The rules on a list already newest first; each returns the names it removed.
std::vector<std::string> KeepOnePerDigest(std::vector<history_entry>& entries);
std::vector<std::string> TrimSparingFavourites(
    std::vector<history_entry>& entries, std::size_t max_entries);

} // namespace syncd

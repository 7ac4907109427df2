#include "server/history_list.h"

#include <algorithm>
#include <unordered_map>

namespace syncd {

namespace {

void SortNewestFirst(std::vector<history_entry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(), IsNewer);
}

} // namespace

std::vector<std::string> KeepOnePerDigest(std::vector<history_entry>& entries)
{
    std::vector<std::string> removed;
    std::unordered_map<std::string, std::size_t> kept; // digest to index in entries
    std::size_t out = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        history_entry& entry = entries[i];
        // An empty digest says nothing about the content: such entries are all kept.
        if (!entry.md5.empty()) {
            const auto found = kept.find(entry.md5);
            if (found != kept.end()) {
                entries[found->second].favourite |= entry.favourite;
                removed.push_back(std::move(entry.name));
                continue;
            }
            kept.emplace(entry.md5, out);
        }
        if (out != i)
            entries[out] = std::move(entry);
        ++out;
    }
    entries.resize(out);
    return removed;
}

std::vector<std::string> TrimSparingFavourites(
    std::vector<history_entry>& entries, std::size_t max_entries)
{
    std::vector<std::string> removed;
    if (entries.size() <= max_entries)
        return removed;
    std::size_t excess = entries.size() - max_entries;
    // From the oldest end, so the newest ones stay.
    std::vector<bool> drop(entries.size(), false);
    for (std::size_t i = entries.size(); i-- > 0 && excess > 0;) {
        if (!entries[i].favourite) {
            drop[i] = true;
            --excess;
        }
    }
    std::size_t out = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (drop[i]) {
            removed.push_back(std::move(entries[i].name));
            continue;
        }
        if (out != i)
            entries[out] = std::move(entries[i]);
        ++out;
    }
    entries.resize(out);
    return removed;
}

history_list::history_list(std::vector<history_entry> entries)
    : entries_(std::move(entries))
{
    SortNewestFirst(entries_);
}

const history_entry* history_list::Find(std::string_view name) const
{
    for (const auto& entry : entries_)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

std::int64_t history_list::StoredBytes() const
{
    std::int64_t total = 0;
    for (const auto& entry : entries_)
        total += entry.size;
    return total;
}

std::vector<std::string> history_list::Add(history_entry entry, std::size_t max_entries)
{
    const auto same = std::find_if(entries_.begin(), entries_.end(),
        [&](const history_entry& e) { return e.name == entry.name; });
    if (same != entries_.end()) {
        entry.favourite = same->favourite;
        if (entry.title.empty())
            entry.title = std::move(same->title);
        entries_.erase(same);
    }
    const auto at = std::upper_bound(entries_.begin(), entries_.end(), entry, IsNewer);
    entries_.insert(at, std::move(entry));
    std::vector<std::string> removed = KeepOnePerDigest(entries_);
    for (auto& name : TrimSparingFavourites(entries_, max_entries))
        removed.push_back(std::move(name));
    return removed;
}

bool history_list::Remove(std::string_view name)
{
    const auto it = std::find_if(
        entries_.begin(), entries_.end(), [&](const history_entry& e) { return e.name == name; });
    if (it == entries_.end())
        return false;
    entries_.erase(it);
    return true;
}

bool history_list::SetFavourite(std::string_view name, bool favourite)
{
    for (auto& entry : entries_) {
        if (entry.name == name) {
            entry.favourite = favourite;
            return true;
        }
    }
    return false;
}

merge_result history_list::Merge(const std::vector<history_entry>& client,
    const std::unordered_set<std::string>& deleted, std::size_t max_entries) const
{
    merge_result result;
    std::vector<history_entry> all = entries_;
    std::unordered_map<std::string, std::size_t> known; // name to index in all
    for (std::size_t i = 0; i < all.size(); ++i)
        known.emplace(all[i].name, i);
    std::unordered_set<std::string> client_names;
    for (const auto& entry : client) {
        if (deleted.count(entry.name) > 0 || !client_names.insert(entry.name).second)
            continue;
        const auto found = known.find(entry.name);
        if (found == known.end()) {
            all.push_back(entry);
            continue;
        }
        // What the account lacks of an entry it knows, the client's index may fill in.
        history_entry& own = all[found->second];
        const bool fill_md5 = own.md5.empty() && !entry.md5.empty();
        const bool fill_title = own.title.empty() && !entry.title.empty();
        if (fill_md5)
            own.md5 = entry.md5;
        if (fill_title)
            own.title = entry.title;
        if (fill_md5 || fill_title)
            result.account_updates.push_back(own);
    }
    SortNewestFirst(all);
    KeepOnePerDigest(all);
    TrimSparingFavourites(all, max_entries);
    for (const auto& entry : all) {
        if (client_names.count(entry.name) == 0)
            result.client_lacks.push_back(entry.name);
        else if (known.count(entry.name) == 0)
            result.server_lacks.push_back(entry);
    }
    result.merged = std::move(all);
    return result;
}

} // namespace syncd

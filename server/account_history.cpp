#include "server/account_history.h"

#include <unistd.h>

#include <functional>
#include <unordered_map>

namespace syncd {

namespace {

bool SameEntry(const history_entry& a, const history_entry& b)
{
    return a.type == b.type && a.favourite == b.favourite && a.md5 == b.md5 && a.title == b.title
        && a.stamp == b.stamp && a.size == b.size;
}

} // namespace

account_history::account_history(history_store& store, account_files& files,
    account_store* accounts, std::size_t max_entries, std::int64_t quota_bytes)
    : store_(store)
    , files_(files)
    , accounts_(accounts)
    , max_entries_(max_entries)
    , quota_bytes_(quota_bytes)
{
}

std::mutex& account_history::LockOf(const std::string& account)
{
    return locks_[std::hash<std::string>()(account) % locks_.size()];
}

std::vector<history_entry> account_history::Entries(const std::string& account)
{
    std::lock_guard<std::mutex> lock(LockOf(account));
    return history_list(store_.Entries(account)).Entries();
}

merge_result account_history::Merge(
    const std::string& account, const std::vector<history_entry>& client)
{
    std::lock_guard<std::mutex> lock(LockOf(account));
    const history_list list(store_.Entries(account));
    merge_result result = list.Merge(client, store_.DeletedNames(account), max_entries_);
    if (!result.account_updates.empty()) {
        history_changes changes;
        changes.put = result.account_updates;
        store_.Apply(account, changes);
    }
    return result;
}

account_history::outcome account_history::Store(const std::string& account,
    const finished_upload& file, history_entry& entry, std::string& error)
{
    entry.name = file.name;
    entry.size = file.size;
    entry.stamp = StampOfName(entry.name);
    if (entry.md5.empty())
        entry.md5 = file.md5;
    std::lock_guard<std::mutex> lock(LockOf(account));
    const history_list before(store_.Entries(account));
    const history_entry* old = before.Find(entry.name);
    if (before.StoredBytes() - (old ? old->size : 0) + file.size > quota_bytes_) {
        ::unlink(file.path.c_str());
        return outcome::over_quota;
    }
    if (!files_.Commit(file.path, account, entry.name, error)) {
        ::unlink(file.path.c_str());
        return outcome::failed;
    }
    history_list after = before;
    after.Add(entry, max_entries_);
    history_changes changes;
    changes.undeleted.push_back(entry.name);
    const bool saved = Save(account, before, after, std::move(changes));
    const history_entry* kept = after.Find(entry.name);
    if (saved && kept) {
        entry = *kept;
        return outcome::stored;
    }
    // What the list held before, Save removed with its file; a new name's file goes here.
    if (!old)
        files_.Remove(account, { entry.name });
    if (!saved)
        error = "the database refused it";
    return saved ? outcome::dropped : outcome::failed;
}

void account_history::Delete(const std::string& account, const std::vector<std::string>& names)
{
    std::lock_guard<std::mutex> lock(LockOf(account));
    const history_list before(store_.Entries(account));
    history_list after = before;
    for (const auto& name : names)
        after.Remove(name);
    history_changes changes;
    changes.deleted = names;
    Save(account, before, after, std::move(changes));
}

void account_history::SetFavourites(
    const std::string& account, const std::vector<history_entry>& changes)
{
    std::lock_guard<std::mutex> lock(LockOf(account));
    const history_list before(store_.Entries(account));
    history_list after = before;
    for (const auto& change : changes)
        after.SetFavourite(change.name, change.favourite);
    Save(account, before, after, {});
}

bool account_history::Save(const std::string& account, const history_list& before,
    const history_list& after, history_changes changes)
{
    std::unordered_map<std::string, const history_entry*> gone;
    for (const auto& entry : before.Entries())
        gone.emplace(entry.name, &entry);
    for (const auto& entry : after.Entries()) {
        const auto it = gone.find(entry.name);
        if (it == gone.end() || !SameEntry(*it->second, entry))
            changes.put.push_back(entry);
        if (it != gone.end())
            gone.erase(it);
    }
    std::vector<std::string> removed;
    for (const auto& item : gone)
        removed.push_back(item.first);
    changes.remove.insert(changes.remove.end(), removed.begin(), removed.end());
    const bool unchanged = changes.put.empty() && changes.remove.empty() && changes.deleted.empty()
        && changes.undeleted.empty();
    if (!unchanged && !store_.Apply(account, changes))
        return false;
    files_.Remove(account, removed);
    if (accounts_ && before.StoredBytes() != after.StoredBytes())
        accounts_->set_stored_bytes(account, after.StoredBytes());
    return true;
}

} // namespace syncd

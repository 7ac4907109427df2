// The server's side of the history exchange, one request at a time of a connection whose
// account is real: stores uploads, merges indexes, applies records, deletions and favourite
// changes to the account, and pushes them to the account's other connections. Runs on worker
// threads; changes of one account are serialised by a lock of the account.
#pragma once

#include "server/account_files.h"
#include "server/account_sessions.h"
#include "server/account_store.h"
#include "server/history_channel.h"
#include "server/history_list.h"
#include "server/history_store.h"
#include "server/outgoing_batch.h"
#include "server/request_reader.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace syncd {

struct history_limits {
    std::size_t max_entries = 500; // per account; favourites are never trimmed
    std::int64_t quota_bytes = 1024LL * 1024 * 1024;
    std::uint64_t max_file_bytes = 64ULL * 1024 * 1024;
    std::uint64_t max_index_bytes = 4ULL * 1024 * 1024;
    std::size_t max_index_entries = 10000;
    std::size_t max_batch_names = 4096; // gathered from batches before they go out anyway
    std::size_t max_unclaimed = 8; // finished uploads waiting for their record
    std::size_t shared_file_bytes = 64 * 1024; // pushed files up to this are read once
};

struct history_reply {
    std::vector<std::shared_ptr<const outgoing_batch>> batches; // for the connection itself
    bool refuse_money = false; // over the quota: refuse and close
    std::vector<std::string> log_lines;
};

class history_service {
public:
    // accounts may be null: storage use is then not recorded for logins.
    history_service(history_store& store, account_files& files, account_sessions& sessions,
        account_store* accounts, history_limits limits);

    history_reply Handle(history_channel& channel, const sync_request& request);

private:
    void Chunk(history_channel& channel, const sync_request& request, history_reply& reply);
    void FinishUpload(history_channel& channel, history_reply& reply);
    void Merge(history_channel& channel, const std::vector<history_entry>& client,
        const std::unordered_map<std::string, std::string>& icons, history_reply& reply);
    void RecordAdded(history_channel& channel, const std::string& tag, history_reply& reply);
    void Deleted(history_channel& channel, const sync_request& request, history_reply& reply);
    void Collected(history_channel& channel, const sync_request& request, history_reply& reply);
    void FilesDone(history_channel& channel);
    // Stores a finished upload as entry; the entry as the account now holds it, or nothing
    // when it was refused, failed or left the list at once.
    std::optional<history_entry> Store(
        history_channel& channel, finished_upload file, history_entry entry, history_reply& reply);
    // Saves the account's list after a change; false (logged) when the database fails.
    bool Save(const std::string& account, const history_list& before, const history_list& after,
        history_changes changes);
    void Push(const history_channel& channel, outgoing_batch batch);
    outgoing_file StoredFile(const std::string& account, const history_entry& entry) const;
    std::mutex& LockOf(const std::string& account);

    history_store& store_;
    account_files& files_;
    account_sessions& sessions_;
    account_store* accounts_;
    history_limits limits_;
    std::array<std::mutex, 64> locks_;
};

} // namespace syncd

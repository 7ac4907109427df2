// The server's side of the history exchange, one request at a time of a connection whose
// account is real: receives uploads, answers index uploads with a merge, hands records,
// deletions and favourite changes to the account's history, and pushes them to the
// account's other connections. Runs on worker threads.
#pragma once

#include "server/account_files.h"
#include "server/account_history.h"
#include "server/account_sessions.h"
#include "server/history_channel.h"
#include "server/outgoing_batch.h"
#include "server/request_reader.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
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
    history_service(account_history& history, account_files& files, account_sessions& sessions,
        history_limits limits);

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
    std::optional<history_entry> Store(const history_channel& channel, const finished_upload& file,
        history_entry entry, history_reply& reply);
    void Push(const history_channel& channel, outgoing_batch batch);
    outgoing_file StoredFile(const std::string& account, const history_entry& entry) const;

    account_history& history_;
    account_files& files_;
    account_sessions& sessions_;
    history_limits limits_;
};

} // namespace syncd

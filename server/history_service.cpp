#include "server/history_service.h"

#include "server/change_batches.h"
#include "server/history_json.h"

#include "sync/file_name_check.h"
#include "sync/wire_kinds.h"

#include <unistd.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <unordered_map>

namespace syncd {

namespace {

std::optional<std::string> ReadFile(const std::string& path, std::uint64_t max)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text;
    text.resize(static_cast<std::size_t>(max));
    in.read(text.data(), static_cast<std::streamsize>(max));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

std::vector<std::string> NamesOf(const std::vector<history_entry>& entries)
{
    std::vector<std::string> names;
    names.reserve(entries.size());
    for (const auto& entry : entries)
        names.push_back(entry.name);
    return names;
}

} // namespace

history_service::history_service(account_history& history, account_files& files,
    account_sessions& sessions, history_limits limits)
    : history_(history)
    , files_(files)
    , sessions_(sessions)
    , limits_(limits)
{
}

history_reply history_service::Handle(history_channel& channel, const sync_request& request)
{
    history_reply reply;
    switch (request.kind) {
    case wire::kind_index_upload:
    case wire::kind_file_chunk:
        Chunk(channel, request, reply);
        break;
    case wire::kind_index_missing:
        Merge(channel, {}, {}, reply);
        break;
    case wire::kind_record_added:
        RecordAdded(channel, request.tag, reply);
        break;
    case wire::kind_records_deleted:
    case wire::kind_records_deleted_last:
        Deleted(channel, request, reply);
        break;
    case wire::kind_records_collected:
    case wire::kind_records_collected_last:
        Collected(channel, request, reply);
        break;
    case wire::kind_files_done:
        FilesDone(channel);
        break;
    default:
        break;
    }
    return reply;
}

void history_service::Chunk(
    history_channel& channel, const sync_request& request, history_reply& reply)
{
    const std::string& tag = request.tag;
    const std::string name = tag.size() > 1 ? tag.substr(1) : std::string();
    if (!wire::IsPlainFileName(name)) {
        reply.log_lines.push_back("file piece without a plain file name dropped");
        return;
    }
    const char step = tag[0];
    const bool same = channel.upload.open() && channel.upload_kind == request.kind
        && channel.upload_name == name;
    if (step == wire::step_first || (step == wire::step_end && !same)) {
        if (channel.upload.open())
            reply.log_lines.push_back("unfinished upload dropped: " + channel.upload_name);
        // An end frame alone is an empty file.
        if (!channel.upload.Start(files_.IncomingPath()))
            return;
        channel.upload_kind = request.kind;
        channel.upload_name = name;
    } else if (step != wire::step_next && step != wire::step_end) {
        reply.log_lines.push_back("file piece with an unknown step dropped");
        return;
    } else if (!same) {
        reply.log_lines.push_back("piece of a file not begun dropped");
        return;
    }
    if (step != wire::step_end) {
        const std::uint64_t limit = request.kind == wire::kind_index_upload
            ? limits_.max_index_bytes
            : limits_.max_file_bytes;
        if (channel.upload.size() + request.payload.size() > limit) {
            reply.log_lines.push_back(
                "upload over " + std::to_string(limit) + " bytes dropped: " + channel.upload_name);
            channel.upload.Abandon();
            return;
        }
        if (!channel.upload.Append(request.payload))
            return;
    }
    if (step == wire::step_end || request.ends_upload)
        FinishUpload(channel, reply);
}

void history_service::FinishUpload(history_channel& channel, history_reply& reply)
{
    finished_upload file;
    file.name = channel.upload_name;
    file.size = static_cast<std::int64_t>(channel.upload.size());
    file.md5 = channel.upload.Md5();
    if (!channel.upload.Finish(file.path))
        return;
    if (channel.upload_kind == wire::kind_index_upload) {
        const auto text = ReadFile(file.path, limits_.max_index_bytes);
        ::unlink(file.path.c_str());
        client_index index = ParseClientIndex(text.value_or(""), limits_.max_index_entries);
        // An index that cannot be read holds nothing the account can take; the client then
        // gets the account's history, as after a lost index.
        if (!index.parsed)
            reply.log_lines.push_back(
                "uploaded index is no index, taken as empty, account=" + channel.account);
        if (index.skipped > 0)
            reply.log_lines.push_back("uploaded index: " + std::to_string(index.skipped)
                + " entries skipped, account=" + channel.account);
        Merge(channel, index.entries, index.icons, reply);
        return;
    }
    const auto wanted = channel.wanted.find(file.name);
    if (wanted != channel.wanted.end()) {
        history_entry entry = wanted->second;
        channel.wanted.erase(wanted);
        const std::string name = file.name;
        if (Store(channel, file, std::move(entry), reply))
            channel.merged_in.push_back(name);
        return;
    }
    // Kept until its record arrives; a file that never gets one goes with the connection.
    for (auto it = channel.unclaimed.begin(); it != channel.unclaimed.end(); ++it) {
        if (it->name == file.name) {
            ::unlink(it->path.c_str());
            channel.unclaimed.erase(it);
            break;
        }
    }
    channel.unclaimed.push_back(std::move(file));
    if (channel.unclaimed.size() > limits_.max_unclaimed) {
        reply.log_lines.push_back(
            "upload without a record dropped: " + channel.unclaimed.front().name);
        ::unlink(channel.unclaimed.front().path.c_str());
        channel.unclaimed.erase(channel.unclaimed.begin());
    }
}

void history_service::Merge(history_channel& channel, const std::vector<history_entry>& client,
    const std::unordered_map<std::string, std::string>& icons, history_reply& reply)
{
    const merge_result result = history_.Merge(channel.account, client);
    channel.wanted.clear();
    channel.merged_in.clear();
    for (const auto& entry : result.server_lacks)
        channel.wanted.emplace(entry.name, entry);

    if (!result.client_lacks.empty()) {
        auto files = std::make_shared<outgoing_batch>();
        for (const auto& name : result.client_lacks)
            files->files.push_back({ name, nullptr, files_.PathOf(channel.account, name) });
        reply.batches.push_back(std::move(files));
    }
    auto index = std::make_shared<outgoing_batch>();
    index->files.push_back({ "content.json", SharedText(IndexFile(result.merged, icons)), {} });
    index->files.push_back(
        { "upload.json", SharedText(NameListFile(NamesOf(result.server_lacks))), {} });
    index->notify = wire::kind_list_updated;
    reply.batches.push_back(std::move(index));
    reply.log_lines.push_back("index merged account=" + channel.account
        + " entries=" + std::to_string(result.merged.size())
        + " sent=" + std::to_string(result.client_lacks.size())
        + " asked=" + std::to_string(result.server_lacks.size()));
}

void history_service::RecordAdded(
    history_channel& channel, const std::string& tag, history_reply& reply)
{
    const std::string name = tag.size() > 1 ? tag.substr(1) : std::string();
    if (tag.empty() || tag[0] < '0' || tag[0] > '2' || !wire::IsPlainFileName(name)) {
        reply.log_lines.push_back("record with a bad type or name dropped");
        return;
    }
    auto it = channel.unclaimed.begin();
    while (it != channel.unclaimed.end() && it->name != name)
        ++it;
    if (it == channel.unclaimed.end()) {
        // A record never names a file the server does not hold.
        reply.log_lines.push_back("record of a file not uploaded ignored: " + name);
        return;
    }
    finished_upload file = std::move(*it);
    channel.unclaimed.erase(it);
    channel.wanted.erase(name);
    history_entry entry;
    entry.type = tag[0] - '0';
    const auto stored = Store(channel, file, std::move(entry), reply);
    if (!stored)
        return;
    outgoing_batch batch;
    batch.files.push_back(StoredFile(channel.account, *stored));
    batch.files.push_back({ "append.json", SharedText(TypedListFile({ *stored })), {} });
    batch.notify = wire::kind_append_ready;
    Push(channel, std::move(batch));
}

void history_service::Deleted(
    history_channel& channel, const sync_request& request, history_reply& reply)
{
    std::size_t bad = 0;
    const auto names = ParseDeletedNames(request.payload, bad);
    if (bad > 0)
        reply.log_lines.push_back(
            std::to_string(bad) + " deleted names without a plain file name dropped");
    if (!names.empty())
        history_.Delete(channel.account, names);
    for (const auto& name : names)
        channel.wanted.erase(name);
    channel.deleted.insert(channel.deleted.end(), names.begin(), names.end());
    const bool last = request.kind == wire::kind_records_deleted_last;
    if (channel.deleted.empty() || (!last && channel.deleted.size() < limits_.max_batch_names))
        return;
    outgoing_batch batch;
    batch.files.push_back({ "delete.json", SharedText(NameListFile(channel.deleted)), {} });
    batch.notify = wire::kind_delete_ready;
    Push(channel, std::move(batch));
    channel.deleted.clear();
}

void history_service::Collected(
    history_channel& channel, const sync_request& request, history_reply& reply)
{
    std::size_t bad = 0;
    const auto changes = ParseFavouriteChanges(request.payload, bad);
    if (bad > 0)
        reply.log_lines.push_back(
            std::to_string(bad) + " favourite changes without a plain file name or type dropped");
    if (!changes.empty())
        history_.SetFavourites(channel.account, changes);
    channel.collected.insert(channel.collected.end(), changes.begin(), changes.end());
    const bool last = request.kind == wire::kind_records_collected_last;
    if (channel.collected.empty() || (!last && channel.collected.size() < limits_.max_batch_names))
        return;
    outgoing_batch batch;
    batch.files.push_back({ "collect.json", SharedText(TypedListFile(channel.collected)), {} });
    batch.notify = wire::kind_collect_ready;
    Push(channel, std::move(batch));
    channel.collected.clear();
}

void history_service::FilesDone(history_channel& channel)
{
    channel.wanted.clear();
    if (channel.merged_in.empty())
        return;
    const std::vector<history_entry> now = history_.Entries(channel.account);
    outgoing_batch batch;
    for (const auto& name : channel.merged_in)
        for (const auto& entry : now)
            if (entry.name == name)
                batch.files.push_back(StoredFile(channel.account, entry));
    channel.merged_in.clear();
    if (batch.files.empty())
        return;
    batch.files.push_back({ "content.json", SharedText(IndexFile(now)), {} });
    batch.notify = wire::kind_content_ready;
    Push(channel, std::move(batch));
}

std::optional<history_entry> history_service::Store(const history_channel& channel,
    const finished_upload& file, history_entry entry, history_reply& reply)
{
    std::string error;
    switch (history_.Store(channel.account, file, entry, error)) {
    case account_history::outcome::stored:
        return entry;
    case account_history::outcome::over_quota:
        reply.refuse_money = true;
        reply.log_lines.push_back(
            "upload beyond the storage quota refused account=" + channel.account);
        break;
    case account_history::outcome::failed:
        reply.log_lines.push_back(
            "cannot store " + file.name + " of account=" + channel.account + ": " + error);
        break;
    case account_history::outcome::dropped:
        break;
    }
    return std::nullopt;
}

void history_service::Push(const history_channel& channel, outgoing_batch batch)
{
    sessions_.Push(
        channel.account, channel.sender, std::make_shared<const outgoing_batch>(std::move(batch)));
}

outgoing_file history_service::StoredFile(
    const std::string& account, const history_entry& entry) const
{
    outgoing_file file { entry.name, nullptr, files_.PathOf(account, entry.name) };
    // A small file goes to many connections at once: read it once for all of them.
    if (entry.size >= 0 && static_cast<std::uint64_t>(entry.size) <= limits_.shared_file_bytes) {
        if (auto bytes = ReadFile(file.path, limits_.shared_file_bytes))
            file.data = SharedText(std::move(*bytes));
    }
    return file;
}

} // namespace syncd

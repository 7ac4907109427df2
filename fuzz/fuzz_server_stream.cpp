// libFuzzer target: the server's handling of an arbitrary byte stream on one connection,
// from cutting frames to the account logic on a real database and the replies it builds, and
// the history exchange of a logged-in account on real files: uploads, merges, records,
// deletions, favourite changes, and every file sent back or pushed cut into frames again.
#include "fuzz/fuzz_stream.h"
#include "server/account_files.h"
#include "server/account_service.h"
#include "server/account_sessions.h"
#include "server/history_service.h"
#include "server/history_store.h"
#include "server/outgoing_queue.h"
#include "server/request_handler.h"
#include "server/request_reader.h"
#include "sync/anonymous_account.h"
#include "sync/file_name_check.h"
#include "sync/frame_parser.h"
#include "sync/wire_kinds.h"
#include "sync/wire_log.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Every batch the server sends must turn into well-formed frames, one file after another.
void CheckFrames(const std::shared_ptr<const syncd::outgoing_batch>& batch)
{
    syncd::outgoing_queue queue(std::chrono::milliseconds(0), 4096);
    queue.Push(batch);
    std::string out;
    for (;;) {
        const auto status = queue.Fill(out, 1 << 20, std::chrono::steady_clock::now());
        if (status != syncd::outgoing_queue::status::read_block)
            break;
        std::string block;
        bool eof = false;
        const bool ok = queue.Reader()->Read(4096, block, eof);
        queue.Deliver(queue.Reader(), std::move(block), eof, !ok);
    }
    frame_parser parser;
    std::string open;
    parser.cut_frames(out.data(), out.size(), [&](const frame_view& frame) {
        if (frame.kind() != wire::kind_file_chunk)
            return;
        const auto tag = frame.tag();
        if (tag.size() < 2)
            std::abort();
        const auto name = tag.substr(1);
        if (!wire::IsPlainFileName(name) || (tag[0] != wire::step_first && name != open))
            std::abort();
        open = tag[0] == wire::step_end ? std::string() : std::string(name);
    });
    if (parser.buffered() != 0)
        std::abort();
}

struct recorder : syncd::push_target {
    void Push(std::shared_ptr<const syncd::outgoing_batch> batch) override { CheckFrames(batch); }
};

struct server_logic {
    syncd::account_store store;
    syncd::password_hasher hasher { 1, 8192 }; // cheapest settings: speed over strength here
    syncd::login_guard guard { 5, std::chrono::seconds(60) };
    std::unique_ptr<syncd::account_service> service;
    std::unique_ptr<syncd::request_handler> handler;
    syncd::history_store history_store;
    std::unique_ptr<syncd::account_files> files;
    syncd::account_sessions sessions;
    std::shared_ptr<recorder> other_machine = std::make_shared<recorder>();
    std::unique_ptr<syncd::account_history> account_history;
    std::unique_ptr<syncd::history_service> history;
};

server_logic* logic = nullptr;
constexpr const char* fuzz_account = "fuzz";
std::string* data_folder = nullptr;

void RemoveDataFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(*data_folder, ignored);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    wire::set_log_handler([](wire::log_level, const std::string&) {});
    std::cout.rdbuf(nullptr); // server log lines would only slow the run down
    // Uploads are flushed to disk: in memory when the system has a place for it.
    const auto base = std::filesystem::exists("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                          : std::filesystem::temp_directory_path();
    std::string folder = (base / "quillbox-fuzz-XXXXXX").string();
    if (!mkdtemp(folder.data()))
        std::abort();
    data_folder = new std::string(folder);
    std::atexit(RemoveDataFolder);
    logic = new server_logic;
    if (!logic->store.open(folder + "/accounts.db")
        || !logic->history_store.Open(folder + "/history.db"))
        std::abort();
    syncd::account_policy policy;
    policy.min_version = syncd::client_version::from_text("1.0");
    policy.update_version = syncd::client_version::from_text("1.0.0.20180000");
    logic->service = std::make_unique<syncd::account_service>(
        logic->store, logic->hasher, logic->guard, policy);
    logic->handler = std::make_unique<syncd::request_handler>(*logic->service, true);
    logic->files = std::make_unique<syncd::account_files>(folder);
    if (!logic->files->Prepare())
        std::abort();
    // Small bounds, so that trims, refusals and dropped uploads come up often.
    syncd::history_limits limits;
    limits.max_entries = 8;
    limits.quota_bytes = 64 * 1024;
    limits.max_file_bytes = 16 * 1024;
    limits.max_index_bytes = 16 * 1024;
    limits.max_index_entries = 64;
    limits.max_batch_names = 16;
    limits.max_unclaimed = 2;
    limits.shared_file_bytes = 1024;
    logic->account_history = std::make_unique<syncd::account_history>(
        logic->history_store, *logic->files, &logic->store, limits.max_entries, limits.quota_bytes);
    logic->history = std::make_unique<syncd::history_service>(
        *logic->account_history, *logic->files, logic->sessions, limits);
    logic->sessions.Join(fuzz_account, logic->other_machine.get(), logic->other_machine);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz_input in(data, size);
    const std::string stream = fuzz_stream(in);
    data = reinterpret_cast<const std::uint8_t*>(stream.data());
    size = stream.size();
    syncd::request_reader reader;
    // The connection starts logged in to a real account, so the history is reachable.
    std::string account = fuzz_account;
    auto channel = std::make_unique<syncd::history_channel>(account, &reader);
    const std::size_t step = 2048; // the server reads at most this much at a time
    for (std::size_t pos = 0; pos < size; pos += step) {
        const std::size_t n = size - pos < step ? size - pos : step;
        std::vector<char> piece(data + pos, data + pos + n);
        std::vector<syncd::sync_request> requests;
        reader.read(piece.data(), piece.size(), requests);
        reader.release_idle_buffer();
        for (const auto& request : requests) {
            if (request.what == syncd::sync_request::type::history) {
                if (!channel)
                    continue; // the shared account's data is dropped
                const auto reply = logic->history->Handle(*channel, request);
                for (const auto& batch : reply.batches)
                    CheckFrames(batch);
                if (reply.refuse_money)
                    return 0;
                continue;
            }
            const auto outcome = logic->handler->handle(request, "127.0.0.1", account);
            if (!outcome.logged_in.empty()) {
                account = outcome.logged_in;
                channel.reset();
                if (account != wire::anonymous_account)
                    channel = std::make_unique<syncd::history_channel>(account, &reader);
            }
            if (outcome.has_reply) {
                // Every reply must be exactly one well-formed frame.
                frame_parser parser;
                std::vector<frame_record> frames;
                parser.parse_data(outcome.reply.data(), outcome.reply.length(), frames);
                if (frames.size() != 1 || parser.buffered() != 0)
                    std::abort();
            }
            if (outcome.close)
                return 0; // the session stops answering after a refusal
        }
    }
    return 0;
}

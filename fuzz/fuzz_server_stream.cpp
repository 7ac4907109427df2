// libFuzzer target: the server's handling of an arbitrary byte stream on one connection,
// from cutting frames to the account logic on a real database and the replies it builds.
#include "fuzz/fuzz_stream.h"
#include "server/account_service.h"
#include "server/request_handler.h"
#include "server/request_reader.h"
#include "sync/frame_parser.h"
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

struct server_logic {
    syncd::account_store store;
    syncd::password_hasher hasher { 1, 8192 }; // cheapest settings: speed over strength here
    syncd::login_guard guard { 5, std::chrono::seconds(60) };
    std::unique_ptr<syncd::account_service> service;
    std::unique_ptr<syncd::request_handler> handler;
};

server_logic* logic = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    wire::set_log_handler([](wire::log_level, const std::string&) {});
    std::cout.rdbuf(nullptr); // server log lines would only slow the run down
    std::string folder = (std::filesystem::temp_directory_path() / "quillbox-fuzz-XXXXXX").string();
    if (!mkdtemp(folder.data()))
        std::abort();
    logic = new server_logic;
    if (!logic->store.open(folder + "/accounts.db"))
        std::abort();
    syncd::account_policy policy;
    policy.min_version = syncd::client_version::from_text("1.0");
    policy.update_version = syncd::client_version::from_text("1.0.0.20180000");
    logic->service = std::make_unique<syncd::account_service>(
        logic->store, logic->hasher, logic->guard, policy);
    logic->handler = std::make_unique<syncd::request_handler>(*logic->service, true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz_input in(data, size);
    const std::string stream = fuzz_stream(in);
    data = reinterpret_cast<const std::uint8_t*>(stream.data());
    size = stream.size();
    syncd::request_reader reader;
    std::string account;
    const std::size_t step = 2048; // the server reads at most this much at a time
    for (std::size_t pos = 0; pos < size; pos += step) {
        const std::size_t n = size - pos < step ? size - pos : step;
        std::vector<char> piece(data + pos, data + pos + n);
        std::vector<syncd::sync_request> requests;
        reader.read(piece.data(), piece.size(), requests);
        reader.release_idle_buffer();
        for (const auto& request : requests) {
            const auto outcome = logic->handler->handle(request, "127.0.0.1", account);
            if (!outcome.logged_in.empty())
                account = outcome.logged_in;
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

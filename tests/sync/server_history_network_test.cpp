// The real quillbox-syncd keeping histories: raw clients on loopback upload and see the
// account's other machines get each change, while other accounts and the shared account
// get and leave nothing.
#include "sync/anonymous_account.h"
#include "sync/file_frames.h"
#include "sync/md5.h"
#include "sync/reply_texts.h"
#include "sync/wire_kinds.h"
#include "tests/sync/server_process.h"
#include "tests/sync/wire_socket.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <map>
#include <memory>
#include <thread>

namespace {

using namespace std::chrono_literals;
using nlohmann::json;

// What a client's content folder receives before a notification.
struct received {
    std::map<std::string, std::string> files;
    int kind = -1; // the notification that ended the wait; -1: none came
    json Json(const std::string& name) const
    {
        const auto it = files.find(name);
        return it == files.end() ? json() : json::parse(it->second, nullptr, false);
    }
};

// Reads files until a frame of another kind, or until nothing comes within timeout. Files
// must come one after another.
received Receive(wire_socket& s, std::chrono::milliseconds timeout = 5s)
{
    received r;
    std::string open, data;
    while (auto frame = s.read_frame(timeout)) {
        if (frame->kind != wire::kind_file_chunk) {
            r.kind = frame->kind;
            break;
        }
        const std::string tag(frame->tag_text());
        const std::string name = tag.substr(1);
        if (tag[0] == wire::step_first) {
            EXPECT_TRUE(open.empty()) << name << " began inside " << open;
            open = name;
            data.assign(frame->payload_view());
        } else if (tag[0] == wire::step_next) {
            EXPECT_EQ(name, open);
            data += frame->payload_view();
        } else {
            EXPECT_EQ(name, open);
            r.files[name] = data;
            open.clear();
        }
    }
    return r;
}

class machine {
public:
    machine(std::uint16_t port, const std::string& account, int receive_buffer = 0)
        : socket(port, receive_buffer)
        , account_(account)
    {
        socket.send(
            account == wire::anonymous_account ? anonymous_login() : login_frame(account, "pw"));
        logged_in = socket.reply() == wire::reply_login_success;
    }
    void Record(const std::string& name, const std::string& bytes, int type = 0)
    {
        std::string out;
        wire::AppendFile(out, wire::kind_file_chunk, name, bytes);
        socket.send(out + Frame(wire::kind_record_added, std::to_string(type) + name));
    }
    void Index(const json& index)
    {
        std::string out;
        wire::AppendFile(out, wire::kind_index_upload, "content.json", index.dump());
        socket.send(out);
    }
    std::string Frame(std::uint8_t kind, const std::string& tag, const std::string& data = {})
    {
        return make_frame(kind, data, account_, wire::md5_hex("pw"), tag);
    }

    wire_socket socket;
    bool logged_in = false;

private:
    std::string account_;
};

void Register(std::uint16_t port, const std::vector<std::string>& accounts)
{
    wire_socket s(port);
    for (const auto& account : accounts) {
        s.send(register_frame(account, "pw"));
        ASSERT_EQ(s.reply(), wire::reply_register_success) << account;
    }
}

json Index(const std::vector<std::pair<std::string, std::string>>& entries)
{
    json index = { { "type", json::array() }, { "content", json::array() },
        { "md5", json::array() }, { "icons", json::array() }, { "exe_title", json::array() } };
    for (const auto& [name, bytes] : entries) {
        index["type"].push_back("0");
        index["content"].push_back(name);
        index["md5"].push_back(wire::md5_hex(bytes));
        index["icons"].push_back("");
        index["exe_title"].push_back("Editor");
    }
    return index;
}

std::size_t FilesIn(const std::string& folder)
{
    std::error_code error;
    std::size_t count = 0;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, error);
         !error && it != std::filesystem::recursive_directory_iterator(); ++it)
        count += it->is_regular_file();
    return count;
}

// Then a machine of the account that takes no pushes is closed while the others go on.
TEST(SyncHistory, ChangesReachTheAccountsOtherMachinesOnlyAndAStuckOneIsClosed)
{
    server_process server({ "--max-send-queue-kb", "16", "--notify-spacing-ms", "0" });
    ASSERT_TRUE(server.start());
    Register(server.port(), { "alice", "bob" });
    machine a(server.port(), "alice"), b(server.port(), "alice"), c(server.port(), "bob"),
        shared(server.port(), std::string(wire::anonymous_account)),
        stuck(server.port(), "alice", 4096);
    ASSERT_TRUE(a.logged_in && b.logged_in && c.logged_in && shared.logged_in && stuck.logged_in);

    const std::string text(1500, 't');
    a.Record("1700000000000000001.txt", text);
    auto got = Receive(b.socket);
    EXPECT_EQ(got.kind, wire::kind_append_ready);
    EXPECT_EQ(got.files["1700000000000000001.txt"], text);
    EXPECT_EQ(got.Json("append.json"),
        json::parse(R"({"content":["1700000000000000001.txt"],"type":["0"]})"));

    // The shared account's data goes nowhere and is kept nowhere.
    shared.Record("1700000000000000009.txt", "secret");
    shared.Index(Index({ { "1700000000000000008.txt", "x" } }));

    a.Record("1700000000000000002.png", "png bytes", 1);
    EXPECT_EQ(Receive(b.socket).kind, wire::kind_append_ready);
    a.socket.send(a.Frame(wire::kind_records_deleted, "", "1700000000000000001.txt,")
        + a.Frame(wire::kind_records_deleted_last, "", "../escape,"));
    got = Receive(b.socket);
    EXPECT_EQ(got.kind, wire::kind_delete_ready);
    EXPECT_EQ(got.Json("delete.json"), json::parse(R"({"content":["1700000000000000001.txt"]})"));

    EXPECT_EQ(Receive(c.socket, 300ms).kind, -1);
    EXPECT_EQ(Receive(shared.socket, 100ms).kind, -1);
    EXPECT_EQ(Receive(a.socket, 100ms).kind, -1); // the sender is not told its own changes
    EXPECT_TRUE(server.wait_for_log("history data ignored: the shared account", 1, 2s));
    EXPECT_EQ(FilesIn(server.data_folder() + "/files"), 1u); // alice's image, nothing else
    EXPECT_EQ(FilesIn(server.data_folder() + "/incoming"), 0u);

    const int records = 240;
    int appended = 0;
    std::thread reading([&] {
        for (int i = 0; i < records && Receive(b.socket).kind == wire::kind_append_ready; ++i)
            ++appended;
    });
    // Large records fill the stuck machine's socket beyond what the system buffers for it
    // (4 MiB at most here), small ones then pile up in its queue.
    for (int i = 0; i < records; ++i)
        a.Record("17000000000000" + std::to_string(10000 + i) + ".txt",
            std::string(i < 8 ? 1024 * 1024 : 2000, 'r'));
    reading.join();
    EXPECT_EQ(appended, records);
    EXPECT_TRUE(server.wait_for_log("the client takes no pushes", 1, 20s));
}

TEST(SyncHistory, TrimSparesFavouritesQuotaRefusesAndAllSurvivesARestart)
{
    server_process server({ "--max-entries", "3", "--quota-mb", "1" });
    ASSERT_TRUE(server.start());
    Register(server.port(), { "alice" });
    {
        machine a(server.port(), "alice");
        a.Record("1700000000000000001.txt", "oldest, a favourite");
        a.socket.send(a.Frame(wire::kind_records_collected_last, "", "101700000000000000001.txt,"));
        for (int i = 2; i <= 5; ++i)
            a.Record(
                "170000000000000000" + std::to_string(i) + ".txt", "entry " + std::to_string(i));
        // One more than the quota allows is refused, and the connection ends.
        a.Record("1700000000000000006.png", std::string(1024 * 1024, 'p'), 1);
        EXPECT_EQ(a.socket.reply(), wire::refusal_money);
        EXPECT_TRUE(a.socket.wait_closed(5s));
    }
    ASSERT_TRUE(server.wait_for_log("storage quota refused", 1, 2s));
    server.stop();
    ASSERT_TRUE(server.start());
    machine b(server.port(), "alice");
    ASSERT_TRUE(b.logged_in);
    b.socket.send(b.Frame(wire::kind_index_missing, ""));
    const auto got = Receive(b.socket);
    EXPECT_EQ(got.Json("content.json")["content"],
        json::parse(R"(["1700000000000000005.txt","1700000000000000004.txt",)"
                    R"("1700000000000000001.txt"])"));
    EXPECT_EQ(got.files.at("1700000000000000001.txt"), "oldest, a favourite");
    EXPECT_EQ(FilesIn(server.data_folder() + "/files"), 3u);
}

} // namespace

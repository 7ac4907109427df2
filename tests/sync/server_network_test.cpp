// The real quillbox-syncd over loopback: replies, refusals that close, silence, limits.
#include "server/account_store.h"
#include "sync/anonymous_account.h"
#include "sync/frame_builder.h"
#include "sync/md5.h"
#include "sync/reply_texts.h"
#include "sync/wire_kinds.h"
#include "tests/sync/server_process.h"
#include "tests/sync/wire_socket.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using namespace std::chrono_literals;

// Cheap hashing keeps the tests quick; the defaults are for production.
const std::vector<std::string> fast_hash = { "--hash-ops", "1", "--hash-memory-kb", "8" };

std::vector<std::string> with_fast_hash(std::vector<std::string> extra)
{
    extra.insert(extra.end(), fast_hash.begin(), fast_hash.end());
    return extra;
}

chat_message login_frame(const std::string& account, const std::string& password)
{
    chat_message m;
    wire::build_login(m, account, wire::md5_hex(password));
    return m;
}

chat_message register_frame(const std::string& account, const std::string& password)
{
    chat_message m;
    wire::build_register(m, account, password);
    return m;
}

TEST(SyncServer, LoginRegisterAndTheirReplies)
{
    server_process server(fast_hash);
    ASSERT_TRUE(server.start());
    wire_socket s;
    ASSERT_TRUE(s.connect(server.port()));

    ASSERT_TRUE(s.send(
        login_frame(std::string(wire::anonymous_account), std::string(wire::anonymous_password))));
    auto reply = s.read_frame(5s);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply_of(*reply), wire::reply_login_success);
    EXPECT_EQ(reply->id_text(), wire::anonymous_account);

    // Requests sent back to back are answered in order although hashing runs elsewhere.
    s.send(register_frame("grace", "pw"));
    s.send(register_frame("grace", "pw2"));
    s.send(register_frame("bad name", "pw"));
    s.send(login_frame("grace", "pw"));
    s.send(login_frame("grace", "nope"));
    const char* expected[] = { "Register success!", "Register failed!", "Register failed!",
        "Login success!", "Login error!" };
    for (const char* text : expected) {
        reply = s.read_frame(5s);
        ASSERT_TRUE(reply) << text;
        EXPECT_EQ(reply_of(*reply), text);
    }
    EXPECT_FALSE(s.wait_closed(300ms)); // a wrong password alone does not close
    EXPECT_TRUE(server.wait_for_log("register ok account=grace", 1, 2s));
    EXPECT_TRUE(server.wait_for_log("login error account=grace", 1, 2s));
}

TEST(SyncServer, LoginSuccessEchoesAccountAndDigest)
{
    server_process server(fast_hash);
    ASSERT_TRUE(server.start());
    wire_socket s;
    ASSERT_TRUE(s.connect(server.port()));
    s.send(register_frame("heidi", "pw"));
    ASSERT_TRUE(s.read_frame(5s));
    s.send(login_frame("heidi", "pw"));
    const auto reply = s.read_frame(5s);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->id_text(), "heidi");
    EXPECT_EQ(reply->pwd_text(), wire::md5_hex("pw"));
}

TEST(SyncServer, EachRefusalIsSentAndTheConnectionClosed)
{
    server_process server(
        with_fast_hash({ "--min-version", "1.0", "--max-failed-logins", "2", "--quota-mb", "1" }));
    ASSERT_TRUE(server.start());
    {
        wire_socket s;
        ASSERT_TRUE(s.connect(server.port()));
        s.send(register_frame("ivan", "pw"));
        s.send(register_frame("judy", "pw"));
        ASSERT_TRUE(s.read_frame(5s));
        ASSERT_TRUE(s.read_frame(5s));
    }
    syncd::account_store store; // the operator's view of the same database
    ASSERT_TRUE(store.open(server.data_folder() + "/accounts.db"));
    ASSERT_TRUE(store.set_disabled("ivan", true));
    ASSERT_TRUE(store.set_stored_bytes("judy", 2 * 1024 * 1024));

    auto refused = [&](const chat_message& frame, std::string_view text) {
        wire_socket s;
        ASSERT_TRUE(s.connect(server.port()));
        s.send(frame);
        const auto reply = s.read_frame(5s);
        ASSERT_TRUE(reply) << text;
        EXPECT_EQ(reply->payload_view(), text);
        EXPECT_TRUE(s.wait_closed(5s)) << text;
    };
    refused(login_frame("ivan", "pw"), wire::refusal_permission);
    refused(login_frame("judy", "pw"), wire::refusal_money);
    chat_message old_client;
    const std::string old = wire::login_payload("0.9");
    wire::build_frame(
        old_client, wire::kind_login, "judy", wire::md5_hex("pw"), "", old.data(), old.size());
    refused(old_client, wire::refusal_version);
    chat_message no_version;
    wire::build_frame(no_version, wire::kind_login, "judy", wire::md5_hex("pw"), "", "x", 1);
    refused(no_version, wire::refusal_version);

    {
        wire_socket s;
        ASSERT_TRUE(s.connect(server.port()));
        for (int i = 0; i < 2; ++i) {
            s.send(login_frame("judy", "wrong"));
            const auto reply = s.read_frame(5s);
            ASSERT_TRUE(reply);
            EXPECT_EQ(reply_of(*reply), wire::reply_login_error);
        }
    }
    refused(login_frame("judy", "wrong"), wire::refusal_password);
    EXPECT_EQ(server.count_in_log("login refused"), 5u);
}

TEST(SyncServer, OldClientIsToldToUpdate)
{
    server_process server(with_fast_hash({ "--update-version", "2.0" }));
    ASSERT_TRUE(server.start());
    wire_socket s;
    ASSERT_TRUE(s.connect(server.port()));
    s.send(
        login_frame(std::string(wire::anonymous_account), std::string(wire::anonymous_password)));
    const auto reply = s.read_frame(5s);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply_of(*reply), wire::reply_quit_client);
}

TEST(SyncServer, SilentConnectionIsClosedAndAHeartbeatKeepsOneOpen)
{
    server_process server(with_fast_hash({ "--idle-timeout", "1" }));
    ASSERT_TRUE(server.start());
    wire_socket silent, beating;
    ASSERT_TRUE(silent.connect(server.port()));
    ASSERT_TRUE(beating.connect(server.port()));
    chat_message heartbeat;
    wire::build_heartbeat(heartbeat, wire::md5_hex("x"));
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(beating.send(heartbeat));
        std::this_thread::sleep_for(400ms);
    }
    EXPECT_TRUE(silent.wait_closed(1s));
    EXPECT_FALSE(beating.wait_closed(100ms));
    EXPECT_TRUE(beating.wait_closed(3s));
}

TEST(SyncServer, ConnectionsBeyondThePerAddressLimitAreClosed)
{
    server_process server(with_fast_hash({ "--max-connections-per-address", "2" }));
    ASSERT_TRUE(server.start());
    wire_socket a, b, c;
    ASSERT_TRUE(a.connect(server.port()));
    ASSERT_TRUE(b.connect(server.port()));
    ASSERT_TRUE(c.connect(server.port()));
    EXPECT_TRUE(c.wait_closed(3s));
    EXPECT_FALSE(a.wait_closed(200ms));
    // A freed place can be taken again.
    b.send_raw(""); // nothing: close b by leaving scope below
}

TEST(SyncServer, GarbageAndBrokenFramesDoNotStopTheAnswers)
{
    server_process server(fast_hash);
    ASSERT_TRUE(server.start());
    wire_socket s;
    ASSERT_TRUE(s.connect(server.port()));
    std::string junk(5000, '\xaa');
    chat_message login = login_frame(std::string(wire::anonymous_account), "x");
    std::string broken(login.data(), login.length());
    broken.replace(123, 1, 1, '\x7f'); // a data_length that runs past the end marker
    ASSERT_TRUE(s.send_raw(junk + broken + std::string(login.data(), login.length())));
    const auto reply = s.read_frame(5s);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply_of(*reply), wire::reply_login_success);
}

TEST(SyncServer, OperatorDisablesAndEnablesAnAccountFromTheCommandLine)
{
    server_process server(fast_hash);
    ASSERT_TRUE(server.start());
    {
        wire_socket s;
        ASSERT_TRUE(s.connect(server.port()));
        s.send(register_frame("mallory", "pw"));
        ASSERT_TRUE(s.read_frame(5s));
    }
    const std::string command = std::string(QUILLBOX_SYNCD_PATH) + " --data " + server.data_folder()
        + " --disable mallory > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string missing = std::string(QUILLBOX_SYNCD_PATH) + " --data " + server.data_folder()
        + " --disable nobody 2> /dev/null";
    EXPECT_NE(std::system(missing.c_str()), 0);
    wire_socket s;
    ASSERT_TRUE(s.connect(server.port()));
    s.send(login_frame("mallory", "pw"));
    const auto reply = s.read_frame(5s);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->payload_view(), wire::refusal_permission);
}

} // namespace

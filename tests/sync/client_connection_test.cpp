// The client connection against a real quillbox-syncd on 127.0.0.1.
#include "sync/anonymous_account.h"
#include "sync/md5.h"
#include "sync/net_warpper.h"
#include "sync/reply_texts.h"
#include "tests/sync/bus_recorder.h"
#include "tests/sync/server_process.h"

#include <gtest/gtest.h>

#include <fstream>
#include <thread>

namespace {

using namespace std::chrono_literals;
using clock_type = bus_recorder::clock;

const std::vector<std::string> fast_hash = { "--hash-ops", "1", "--hash-memory-kb", "8" };

const std::string anonymous(wire::anonymous_account);
const std::string anonymous_digest = wire::md5_hex(wire::anonymous_password);

// A client pointed at one test server, with a server.json of its own (absent unless written).
struct client_fixture : ::testing::Test {
    temp_folder folder;
    bus_recorder events; // registered first, like the login page
    std::unique_ptr<net_warpper> net;

    void make_client(std::uint16_t port)
    {
        sync_endpoint endpoint;
        endpoint.default_host = "127.0.0.1";
        endpoint.default_port = std::to_string(port);
        endpoint.server_file = folder.path() + "/server.json";
        net = std::make_unique<net_warpper>(endpoint);
        net->RegisterHandlers();
    }
    void write_server_file(const std::string& text)
    {
        std::ofstream(folder.path() + "/server.json") << text;
    }
    void TearDown() override { net.reset(); }
};

double seconds_between(clock_type::time_point a, clock_type::time_point b)
{
    return std::chrono::duration<double>(b - a).count();
}

TEST_F(client_fixture, AnonymousLogin)
{
    server_process server(fast_hash);
    ASSERT_TRUE(server.start());
    make_client(server.port());
    net->Connect(anonymous, anonymous_digest);
    ASSERT_TRUE(events.wait(msg_login_ok, 1, 10s));
    EXPECT_EQ(events.get(msg_login_ok, 1).text, anonymous);
    EXPECT_EQ(net->LinkState(), net_warpper::state_logged_in);
    EXPECT_EQ(events.count(msg_net_connected), 1u);
    EXPECT_EQ(events.count(msg_net_failed), 0u);
}

TEST_F(client_fixture, RegisterThenLogInWithTheDigest)
{
    server_process server(fast_hash);
    ASSERT_TRUE(server.start());
    make_client(server.port());
    net->Connect(anonymous, anonymous_digest);
    ASSERT_TRUE(events.wait(msg_login_ok, 1, 10s));

    ASSERT_TRUE(net->SendRegister("oscar", "typed secret"));
    ASSERT_TRUE(events.wait(msg_net_received, 2, 10s));
    EXPECT_EQ(events.get(msg_net_received, 2).text, wire::reply_register_success);

    // Sending while logged in goes out; the server ignores kinds it does not serve yet.
    EXPECT_TRUE(net->Send("x", 1, "", 9));

    const std::string digest = wire::md5_hex("typed secret");
    net->Connect("oscar", digest);
    ASSERT_TRUE(events.wait(msg_login_ok, 2, 10s));
    EXPECT_EQ(events.get(msg_login_ok, 2).text, "oscar");
    EXPECT_EQ(events.get(msg_login_ok, 2).digest, digest);
    EXPECT_EQ(net->LinkState(), net_warpper::state_logged_in);
}

TEST_F(client_fixture, WrongDigestGivesStateRefusedAndNoReconnect)
{
    server_process server(fast_hash);
    ASSERT_TRUE(server.start());
    make_client(server.port());
    net->Connect("nobody", wire::md5_hex("guess"));
    ASSERT_TRUE(events.wait(msg_login_failed, 1, 10s));
    EXPECT_EQ(net->LinkState(), net_warpper::state_refused);
    EXPECT_FALSE(net->Send("x", 1, "", 9)); // not logged in: nothing is sent

    // Losing the connection now must not start a new one.
    server.stop();
    ASSERT_TRUE(events.wait(msg_net_failed, 1, 5s));
    std::this_thread::sleep_for(2s);
    EXPECT_EQ(events.count_log("reset link now..."), 0u);
    EXPECT_EQ(events.count(msg_net_connected), 1u);
    EXPECT_EQ(net->LinkState(), net_warpper::state_refused);
}

TEST_F(client_fixture, StoppedServerResetsTheLinkAndTheClientLogsInAgain)
{
    server_process server(fast_hash);
    ASSERT_TRUE(server.start());
    const std::uint16_t port = server.port();
    make_client(port);
    net->Connect(anonymous, anonymous_digest);
    ASSERT_TRUE(events.wait(msg_login_ok, 1, 10s));

    server.stop();
    clock_type::time_point reset;
    ASSERT_TRUE(events.wait_log("reset link now...", 5s, &reset));
    EXPECT_EQ(net->LinkState(), net_warpper::state_lost);
    ASSERT_TRUE(server.start(port));

    clock_type::time_point again;
    ASSERT_TRUE(events.wait(msg_login_ok, 2, 15s, &again));
    // 5 s holding the I/O thread, 1 s before the new connection, 1 s before its login.
    const double after = seconds_between(reset, again);
    EXPECT_GE(after, 5.5);
    EXPECT_LE(after, 9.5);
    EXPECT_EQ(net->LinkState(), net_warpper::state_logged_in);
}

TEST_F(client_fixture, SecondConnectStopsTheRunningConnectionFirst)
{
    server_process server(fast_hash);
    ASSERT_TRUE(server.start());
    make_client(server.port());
    net->Connect(anonymous, anonymous_digest);
    ASSERT_TRUE(events.wait(msg_login_ok, 1, 10s));
    const auto first = net->Current();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->loop_active());

    net->Connect(anonymous, anonymous_digest);
    ASSERT_TRUE(events.wait(msg_login_ok, 2, 10s));
    const auto second = net->Current();
    EXPECT_NE(first, second);
    EXPECT_FALSE(first->loop_active());
    EXPECT_TRUE(second->loop_active());
    // A stop asked for is not a lost connection.
    EXPECT_EQ(events.count(msg_net_failed), 0u);
    EXPECT_EQ(events.count_log("reset link now..."), 0u);
}

TEST_F(client_fixture, HeartbeatComes21SecondsAfterRunStarts)
{
    server_process server({ "--log-heartbeats", "--hash-ops", "1", "--hash-memory-kb", "8" });
    ASSERT_TRUE(server.start());
    make_client(server.port());
    net->Connect(anonymous, anonymous_digest);
    clock_type::time_point login;
    ASSERT_TRUE(events.wait(msg_login_ok, 1, 10s, &login));
    const auto before = clock_type::now();
    ASSERT_TRUE(server.wait_for_log("heartbeat account=" + anonymous, 1, 25s));
    // The login goes out 1 s after Run starts, the heartbeat 20 s after that.
    const double after = seconds_between(before, clock_type::now());
    EXPECT_GE(after, 18.5);
    EXPECT_LE(after, 22.0);
}

TEST_F(client_fixture, ServerFileReachesASecondServerWhenTheDefaultIsDown)
{
    server_process second(fast_hash);
    ASSERT_TRUE(second.start());
    write_server_file(
        R"({"server1":"127.0.0.1","port1":")" + std::to_string(second.port()) + R"("})");
    make_client(unused_port());
    net->Connect(anonymous, anonymous_digest);
    ASSERT_TRUE(events.wait(msg_net_failed, 1, 10s));
    ASSERT_TRUE(events.wait(msg_login_ok, 1, 15s));
    EXPECT_EQ(net->Current()->server(), "127.0.0.1:" + std::to_string(second.port()));
}

TEST_F(client_fixture, InvalidServerFileStillReachesTheDefaultHost)
{
    server_process server(fast_hash);
    ASSERT_TRUE(server.start());
    write_server_file("{ not json");
    make_client(server.port());
    net->Connect(anonymous, anonymous_digest);
    ASSERT_TRUE(events.wait(msg_login_ok, 1, 10s));
    EXPECT_EQ(events.count_log("Catch json unknow exception!"), 1u);
}

TEST(ServerList, DefaultHostFirstThenValidFileEntries)
{
    temp_folder folder;
    std::ofstream(folder.path() + "/server.json")
        << R"({"server1":"127.0.0.1","port1":"4001","server2":"127.0.0.1","port2":"99999",)"
        << R"("server3":"127.0.0.1","port3":"4003"})";
    sync_endpoint endpoint;
    endpoint.default_host = "127.0.0.1";
    endpoint.default_port = "22345";
    endpoint.server_file = folder.path() + "/server.json";
    wire::set_log_handler([](wire::log_level, const std::string&) {});
    const auto servers = server_list::LoadServers(endpoint);
    wire::set_log_handler({});
    ASSERT_EQ(servers.size(), 3u);
    EXPECT_EQ(servers[0].host + ":" + servers[0].port, "127.0.0.1:22345");
    EXPECT_EQ(servers[1].port, "4001");
    EXPECT_EQ(servers[2].port, "4003"); // the entry with a bad port is skipped
}

TEST_F(client_fixture, UnresolvablePortCountsAsAFailedConnect)
{
    sync_endpoint endpoint;
    endpoint.default_host = "127.0.0.1";
    endpoint.default_port = "no-such-service";
    endpoint.server_file = folder.path() + "/server.json";
    net = std::make_unique<net_warpper>(endpoint);
    net->RegisterHandlers();
    net->Connect(anonymous, anonymous_digest);
    ASSERT_TRUE(events.wait(msg_net_failed, 1, 10s));
    EXPECT_TRUE(events.wait_log("reset link now...", 2s));
    EXPECT_EQ(net->LinkState(), net_warpper::state_lost);
}

} // namespace

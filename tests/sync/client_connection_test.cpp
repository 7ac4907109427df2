// The client connection against a real quillbox-syncd on 127.0.0.1.
#include "sync/anonymous_account.h"
#include "sync/md5.h"
#include "sync/reply_texts.h"
#include "sync/sync_link.h"
#include "tests/sync/bus_recorder.h"
#include "tests/sync/server_process.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace {

using namespace std::chrono_literals;

const std::string anonymous(wire::anonymous_account);
const std::string anonymous_digest = wire::md5_hex(wire::anonymous_password);
const std::string reset_line = "reset link now...";

// The program's waits, shortened so that a case waits for events rather than for the clock.
sync_timing short_waits()
{
    sync_timing timing;
    timing.connect_delay = 50ms;
    timing.failure_hold = 200ms;
    timing.heartbeat_interval = 100ms;
    return timing;
}

// The default server is 127.0.0.1 on port; server.json in folder is read when it exists.
sync_endpoint endpoint_in(const temp_folder& folder, const std::string& port)
{
    return { "127.0.0.1", port, folder.path() + "/server.json" };
}

// A port nothing listens on: a server that was started and stopped.
std::string unreachable_port()
{
    server_process down;
    if (!down.start())
        return "1";
    down.stop();
    return std::to_string(down.port());
}

struct client_fixture : ::testing::Test {
    temp_folder folder;
    bus_recorder events; // registered first, like the login page
    std::unique_ptr<server_process> server;
    std::unique_ptr<sync_link> net; // destroyed first, so no test ends in a reconnect

    void make_client(std::uint16_t port) { make_client(std::to_string(port)); }
    void make_client(const std::string& port)
    {
        net = std::make_unique<sync_link>(endpoint_in(folder, port), short_waits());
        net->RegisterHandlers();
        events.record_failures_handled();
    }
    // A server with these options and a client logged in to it anonymously.
    bool log_in_anonymously(std::vector<std::string> options = {})
    {
        server = std::make_unique<server_process>(std::move(options));
        if (!server->start())
            return false;
        make_client(server->port());
        net->Connect(anonymous, anonymous_digest);
        return events.wait(msg_login_ok, 1, 10s).has_value();
    }
};

TEST_F(client_fixture, LoginHeartbeatsRegisterReloginReconnectAndRefusal)
{
    ASSERT_TRUE(log_in_anonymously({ "--log-heartbeats" }));
    EXPECT_EQ(events.wait(msg_login_ok, 1, 0s)->text, anonymous);
    EXPECT_EQ(net->LinkState(), sync_link::state_logged_in);
    // Every heartbeat names the session's account, and they keep coming.
    EXPECT_TRUE(server->wait_for_log("heartbeat account=" + anonymous, 3, 10s));
    EXPECT_EQ(server->count_in_log("heartbeat account= "), 0u);
    const auto first = net->Current();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->loop_active());

    ASSERT_TRUE(net->SendRegister("oscar", "typed secret"));
    const auto reply = events.wait(msg_net_received, 2, 10s);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->text, wire::reply_register_success);
    EXPECT_TRUE(net->Send("x", 1, "", 9)); // the server ignores kinds it does not serve

    // The second Connect stops the running connection before its own one logs in.
    const std::string digest = wire::md5_hex("typed secret");
    net->Connect("oscar", digest);
    const auto login = events.wait(msg_login_ok, 2, 10s);
    ASSERT_TRUE(login);
    EXPECT_EQ(login->text, "oscar");
    EXPECT_EQ(login->digest, digest);
    EXPECT_NE(net->Current(), first);
    EXPECT_FALSE(first->loop_active());
    EXPECT_TRUE(net->Current()->loop_active());
    // A stop asked for is not a lost connection.
    EXPECT_EQ(events.count(msg_net_connected), 2u);
    EXPECT_EQ(events.count(msg_net_failed), 0u);
    EXPECT_EQ(events.count(bus_recorder::log_line, reset_line), 0u);

    // A stopped server resets the link; the new connection waits until the failure hold has
    // let the lost one's thread go, then logs in again.
    server->stop();
    const auto reset = events.wait(bus_recorder::log_line, 1, 5s, reset_line);
    ASSERT_TRUE(reset);
    EXPECT_EQ(net->LinkState(), sync_link::state_lost);
    ASSERT_TRUE(server->start(server->port()));
    ASSERT_TRUE(events.wait(msg_login_ok, 3, 15s));
    EXPECT_EQ(net->LinkState(), sync_link::state_logged_in);
    const auto held = events.wait(bus_recorder::failure_handled, 1, 0s);
    const auto connected = events.wait(msg_net_connected, 3, 0s);
    ASSERT_TRUE(held && connected);
    EXPECT_LT(reset->seq, held->seq);
    EXPECT_LT(held->seq, connected->seq);

    // A wrong digest leaves the link refused: nothing is sent, and losing that connection
    // does not start a new one.
    net->Connect("nobody", wire::md5_hex("guess"));
    ASSERT_TRUE(events.wait(msg_login_failed, 1, 10s));
    EXPECT_EQ(net->LinkState(), sync_link::state_refused);
    EXPECT_FALSE(net->Send("x", 1, "", 9));
    const std::size_t handled = events.count(bus_recorder::failure_handled);
    const std::size_t resets = events.count(bus_recorder::log_line, reset_line);
    const std::size_t connects = events.count(msg_net_connected);
    server->stop();
    ASSERT_TRUE(events.wait(bus_recorder::failure_handled, handled + 1, 10s));
    EXPECT_EQ(events.count(bus_recorder::log_line, reset_line), resets);
    EXPECT_EQ(events.count(msg_net_connected), connects);
    EXPECT_EQ(net->LinkState(), sync_link::state_refused);
}

TEST_F(client_fixture, ServerFileReachesASecondServerWhenTheDefaultIsDown)
{
    server = std::make_unique<server_process>();
    ASSERT_TRUE(server->start());
    const std::string port = std::to_string(server->port());
    std::ofstream(folder.path() + "/server.json")
        << R"({"server1":"127.0.0.1","port1":")" << port << R"("})";
    make_client(unreachable_port());
    net->Connect(anonymous, anonymous_digest);
    ASSERT_TRUE(events.wait(msg_net_failed, 1, 10s));
    ASSERT_TRUE(events.wait(msg_login_ok, 1, 15s));
    EXPECT_EQ(net->Current()->server(), "127.0.0.1:" + port);
}

TEST_F(client_fixture, ExceptionInAHandlerEndsInAFailureAndAReconnect)
{
    // Throws on the first login only, on the connection's I/O thread.
    std::atomic<int> logins { 0 };
    const auto token = bus::Register(
        msg_login_ok, [&logins](std::int64_t, std::int64_t, std::int64_t) -> std::int64_t {
            if (++logins == 1)
                throw std::runtime_error("handler broke");
            return 0;
        });
    // Registered for the whole case, or the very post that should reach it could skip it.
    const std::unique_ptr<const bus::Token, void (*)(const bus::Token*)> unregister(
        &token, [](const bus::Token* t) { bus::Unregister(*t); });
    ASSERT_TRUE(log_in_anonymously());
    ASSERT_TRUE(events.wait(msg_net_failed, 1, 10s));
    EXPECT_TRUE(events.wait(bus_recorder::log_line, 1, 0s, "Exception: handler broke"));
    EXPECT_TRUE(events.wait(bus_recorder::log_line, 1, 5s, reset_line));
    // Not left "logged in" with nothing running: a new connection logs in again.
    ASSERT_TRUE(events.wait(msg_login_ok, 2, 15s));
    EXPECT_EQ(net->LinkState(), sync_link::state_logged_in);
    EXPECT_EQ(events.count(msg_net_failed), 1u);
}

// The program's waits, except a short connect delay.
sync_timing program_waits()
{
    sync_timing timing;
    timing.connect_delay = 1ms;
    return timing;
}

bool threads_end()
{
    for (int i = 0; i < 5000 && sync_connection::LiveIoThreads() > 0; ++i)
        std::this_thread::sleep_for(1ms);
    return sync_connection::LiveIoThreads() == 0;
}

// The link is destroyed at each state, from a handler on its own I/O thread or from the test's
// thread; ASan finds a use after free or a leak, the thread count a thread left behind. From the
// test's thread, Shutdown must return at once, not sit out the program's 1 s connect delay, 5 s
// back-off or 20 s heartbeat interval.
enum class destroyed_at { connecting, connected, logged_in, reconnecting };

void destroy_in_each_state(bool from_own_callback)
{
    temp_folder folder;
    server_process server;
    ASSERT_TRUE(server.start());
    const std::string live = std::to_string(server.port());
    const std::string dead = unreachable_port();
    const destroyed_at states[] = { destroyed_at::connecting, destroyed_at::connected,
        destroyed_at::logged_in, destroyed_at::reconnecting };
    for (int round = 0; round < 100; ++round) {
        for (const auto state : states) {
            if (from_own_callback && state == destroyed_at::connecting)
                continue; // nothing has run on the I/O thread yet
            const bool reconnecting = state == destroyed_at::reconnecting;
            sync_timing timing = program_waits();
            if (from_own_callback)
                timing.failure_hold = 1ms;
            else if (state == destroyed_at::connecting)
                timing.connect_delay = 1000ms;
            std::atomic<sync_link*> link { new sync_link(
                endpoint_in(folder, reconnecting ? dead : live), timing) };
            std::atomic<bool> destroyed { false };
            std::atomic<int> failures { 0 };
            const std::int64_t id = state == destroyed_at::connected ? msg_net_connected
                : state == destroyed_at::logged_in                   ? msg_login_ok
                                                                     : msg_net_failed;
            std::vector<bus::Token> tokens;
            {
                bus_recorder events;
                if (from_own_callback) {
                    // Registered before the link's handlers, so the link is still on the
                    // connection that posts; a late post of an earlier round does not count.
                    tokens.push_back(bus::Register(
                        id, [&](std::int64_t posted, std::int64_t, std::int64_t) -> std::int64_t {
                            sync_link* current = link.load();
                            if (!current || !current->Current()
                                || !current->Current()->OnIoThread())
                                return 0;
                            // The second failure: the first back-off has run its course.
                            if (posted == msg_net_failed && ++failures < 2)
                                return 0;
                            if (link.compare_exchange_strong(current, nullptr)) {
                                delete current;
                                destroyed = true;
                            }
                            return 0;
                        }));
                }
                link.load()->RegisterHandlers();
                link.load()->Connect(anonymous, anonymous_digest);
                bool reached = true;
                if (from_own_callback) {
                    for (int i = 0; i < 1000 && !destroyed; ++i)
                        std::this_thread::sleep_for(10ms);
                    reached = destroyed;
                } else if (reconnecting) { // the back-off runs
                    reached = events.wait(bus_recorder::log_line, 1, 10s, reset_line).has_value();
                } else if (state != destroyed_at::connecting) {
                    reached = events.wait(id, 1, 10s).has_value();
                }
                // The link goes before the handlers that refer to it, its threads before the
                // recorder.
                const auto begin = std::chrono::steady_clock::now();
                if (!from_own_callback)
                    link.load()->Shutdown();
                delete link.exchange(nullptr);
                EXPECT_LE(std::chrono::steady_clock::now() - begin, 100ms)
                    << "state " << static_cast<int>(state) << ", round " << round;
                const bool ended = threads_end();
                for (auto token : tokens)
                    bus::Unregister(token);
                if (!reached || !ended) {
                    ADD_FAILURE() << "state " << static_cast<int>(state) << ", round " << round
                                  << (reached ? ": a thread left" : ": not reached");
                    return;
                }
            }
        }
    }
}

TEST(ClientLifetime, DestroyedFromItsOwnCallbackInEachState)
{
    destroy_in_each_state(true);
}
TEST(ClientLifetime, DestroyedFromAnotherThreadInEachState)
{
    destroy_in_each_state(false);
}

// The default host comes first, or the file's own host and port in its place; server.json
// adds its valid entries, and a file that is not JSON adds nothing.
TEST(ServerList, DefaultHostFirstThenValidFileEntries)
{
    const std::string three_entries
        = R"({"server1":"127.0.0.1","port1":"4001","server2":"127.0.0.1","port2":"99999",)"
          R"("server3":"127.0.0.1","port3":"4003"})";
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        { three_entries, { "22345", "4001", "4003" } }, // the entry with a bad port is skipped
        { "{ not json", { "22345" } },
        { R"({"host":"127.0.0.1","port":"4100","server1":"127.0.0.1","port1":"4001"})",
            { "4100", "4001" } },
        { R"({"host":"127.0.0.1","port":"0"})", { "22345" } }, // a bad port keeps the default
    };
    for (const auto& [file, ports] : cases) {
        temp_folder folder;
        std::ofstream(folder.path() + "/server.json") << file;
        captured_log log;
        std::vector<std::string> got;
        for (const auto& server : server_list::LoadServers(endpoint_in(folder, "22345")))
            got.push_back(server.host == "127.0.0.1" ? server.port : server.host);
        EXPECT_EQ(got, ports) << file;
        EXPECT_EQ(log.contains("Catch json unknow exception!"), file == "{ not json") << file;
    }
}

} // namespace

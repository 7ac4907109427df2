// The server's decisions that the network tests cannot reach.
#include "server/client_version.h"
#include "server/config_file.h"
#include "server/connection_limits.h"
#include "server/login_guard.h"
#include "server/rate_limiter.h"
#include "server/server_options.h"
#include "sync/frame_builder.h"
#include "tests/sync/server_process.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace syncd;

TEST(ClientVersion, ParsesComparesAndRejectsMalformedOnes)
{
    const auto v = client_version::from_login_payload(wire::login_payload("1.0.0.20181001"));
    ASSERT_TRUE(v);
    EXPECT_TRUE(*client_version::from_text("1.0.0.20181000") < *v);
    EXPECT_FALSE(*v < *client_version::from_text("1.0"));
    EXPECT_TRUE(*client_version::from_text("1.0") < *client_version::from_text("1.0.0.1"));
    EXPECT_FALSE(*client_version::from_text("2") < *client_version::from_text("2.0.0.0"));
    for (const char* bad : { "", "1.", "1..2", "1.2.3.4.5", "a.b", "-1", "1234567890123" })
        EXPECT_FALSE(client_version::from_text(bad)) << bad;

    std::string lying = wire::login_payload("1.0");
    lying[0] = 50; // claims more characters than follow
    std::string huge = wire::login_payload("1.0");
    huge[7] = '\x80';
    for (const std::string& payload : { std::string(), std::string("1.0.0.1"), lying, huge })
        EXPECT_FALSE(client_version::from_login_payload(payload));
}

TEST(LoginGuard, BlocksAfterRepeatedFailuresWithinTheWindowOnly)
{
    login_guard guard(3, std::chrono::seconds(60));
    const auto t0 = login_guard::clock::now();
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(guard.blocked("10.0.0.1", t0));
        guard.record_failure("10.0.0.1", t0 + std::chrono::seconds(i));
    }
    EXPECT_TRUE(guard.blocked("10.0.0.1", t0 + std::chrono::seconds(30)));
    EXPECT_FALSE(guard.blocked("10.0.0.2", t0 + std::chrono::seconds(30)));
    EXPECT_FALSE(guard.blocked("10.0.0.1", t0 + std::chrono::seconds(61)));
}

TEST(LoginGuard, AccountWaitsDoubleAfterTheFreeFailuresAndASuccessClearsThem)
{
    using std::chrono::seconds;
    login_guard guard(0, seconds(60), 2, seconds(5));
    const auto t0 = login_guard::clock::now();
    guard.record_account_failure("ann", t0);
    EXPECT_FALSE(guard.account_waiting("ann", t0));
    guard.record_account_failure("ann", t0); // second failure: wait 1 s
    EXPECT_TRUE(guard.account_waiting("ann", t0 + std::chrono::milliseconds(999)));
    EXPECT_FALSE(guard.account_waiting("ann", t0 + seconds(1)));
    EXPECT_FALSE(guard.account_waiting("bob", t0)); // other accounts go on
    for (int i = 0; i < 40; ++i) // capped at the maximum, no overflow
        guard.record_account_failure("ann", t0 + seconds(3));
    EXPECT_TRUE(guard.account_waiting("ann", t0 + seconds(7)));
    EXPECT_FALSE(guard.account_waiting("ann", t0 + seconds(8)));
    guard.record_account_success("ann");
    guard.record_account_failure("ann", t0 + seconds(8)); // counts from one again
    EXPECT_FALSE(guard.account_waiting("ann", t0 + seconds(8)));
}

TEST(RateLimiter, BurstThenTheRatePerAddressAndInTotal)
{
    using std::chrono::seconds;
    rate_limiter limits(3, 5);
    const auto t0 = rate_limiter::clock::now();
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(limits.try_take("a", t0));
    EXPECT_FALSE(limits.try_take("a", t0));
    EXPECT_TRUE(limits.try_take("b", t0));
    EXPECT_TRUE(limits.try_take("c", t0));
    EXPECT_FALSE(limits.try_take("d", t0)); // the shared bucket is empty
    // Three a minute: one token per 20 s for "a"; the shared one refills 5 a minute.
    EXPECT_FALSE(limits.try_take("a", t0 + seconds(19)));
    EXPECT_TRUE(limits.try_take("a", t0 + seconds(21)));
    EXPECT_FALSE(limits.try_take("a", t0 + seconds(22)));
}

TEST(ConnectionLimits, PerAddressAndTotal)
{
    connection_limits limits(3, 2);
    EXPECT_TRUE(limits.try_acquire("a"));
    EXPECT_TRUE(limits.try_acquire("a"));
    EXPECT_FALSE(limits.try_acquire("a"));
    EXPECT_TRUE(limits.try_acquire("b"));
    EXPECT_FALSE(limits.try_acquire("c")); // total reached
    limits.release("a");
    EXPECT_TRUE(limits.try_acquire("c"));
    limits.release("unknown"); // no underflow
    EXPECT_EQ(limits.total(), 3u);
}

// The network tests start the server with most options; these are the rest.
TEST(ServerOptions, ParsesAnIpv6AddressAndRejectsBadValues)
{
    server_options o;
    std::string error;
    ASSERT_TRUE(parse_options({ "--listen", "[::1]:4000", "--idle-timeout", "2" }, o, error));
    EXPECT_EQ(o.listen_address, "::1");
    EXPECT_EQ(o.listen_port, 4000);
    EXPECT_EQ(o.idle_timeout, std::chrono::seconds(2));
    for (const std::vector<std::string>& bad : { std::vector<std::string> { "--listen", "1.2.3.4" },
             { "--listen", "127.0.0.1:70000" }, { "--idle-timeout", "0" }, { "--data" } }) {
        server_options other;
        EXPECT_FALSE(parse_options(bad, other, error)) << bad[0];
    }
}

TEST(ServerConfigFile, LinesBecomeOptionsThatTheCommandLineOverrides)
{
    std::vector<std::string> args;
    std::string error;
    ASSERT_TRUE(syncd::config_file_arguments("# comment\n\n  listen = 0.0.0.0:1\r\n"
                                             "data /srv/sync data\nlog-heartbeats\n",
        args, error));
    EXPECT_EQ(args,
        (std::vector<std::string> {
            "--listen", "0.0.0.0:1", "--data", "/srv/sync data", "--log-heartbeats" }));
    for (const char* bad : { "disable alice\n", "help\n", "config /x\n", "--listen 1:2\n" }) {
        args.clear();
        EXPECT_FALSE(syncd::config_file_arguments(bad, args, error)) << bad;
    }
    EXPECT_EQ(error.rfind("line 1: ", 0), 0u) << error;

    temp_folder folder;
    const std::string path = folder.path() + "/syncd.conf";
    std::ofstream(path) << "listen 0.0.0.0:1\nquota-mb 7\n";
    ASSERT_TRUE(syncd::gather_arguments({ "--listen", "127.0.0.1:2" }, path, args, error));
    server_options o;
    ASSERT_TRUE(parse_options(args, o, error)) << error;
    EXPECT_EQ(o.listen_port, 2);
    EXPECT_EQ(o.quota_mb, 7);
    // A missing default file is no error; a missing named one is.
    EXPECT_TRUE(syncd::gather_arguments({}, folder.path() + "/none.conf", args, error));
    EXPECT_FALSE(
        syncd::gather_arguments({ "--config", folder.path() + "/none.conf" }, path, args, error));
}

} // namespace

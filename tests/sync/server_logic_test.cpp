// The server's decisions without a network: versions, failed-login guard, limits, login
// and register rules, and how frames become requests.
#include "server/account_service.h"
#include "server/connection_limits.h"
#include "server/request_reader.h"
#include "server/server_options.h"
#include "sync/anonymous_account.h"
#include "sync/frame_builder.h"
#include "sync/md5.h"
#include "sync/wire_kinds.h"
#include "tests/sync/server_process.h"
#include "tests/sync/wire_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace syncd;

std::string version_payload(const std::string& version)
{
    return wire::login_payload(version);
}

TEST(ClientVersion, ParsesAndCompares)
{
    const auto v = client_version::from_login_payload(version_payload("1.0.0.20181001"));
    ASSERT_TRUE(v);
    EXPECT_TRUE(*client_version::from_text("1.0.0.20181000") < *v);
    EXPECT_FALSE(*v < *client_version::from_text("1.0"));
    EXPECT_TRUE(*client_version::from_text("1.0") < *client_version::from_text("1.0.0.1"));
    EXPECT_FALSE(*client_version::from_text("2") < *client_version::from_text("2.0.0.0"));
    for (const char* bad :
        { "", ".", "1.", ".1", "1..2", "1.2.3.4.5", "a.b", "1.0 ", "-1", "1234567890123" })
        EXPECT_FALSE(client_version::from_text(bad)) << bad;
}

TEST(ClientVersion, RejectsMalformedPayloads)
{
    EXPECT_FALSE(client_version::from_login_payload(""));
    EXPECT_FALSE(client_version::from_login_payload("1.0.0.1"));
    std::string lying = version_payload("1.0");
    lying[0] = 50; // claims more characters than follow
    EXPECT_FALSE(client_version::from_login_payload(lying));
    std::string huge = version_payload("1.0");
    huge[7] = '\x80';
    EXPECT_FALSE(client_version::from_login_payload(huge));
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
    // A fresh window counts from zero.
    guard.record_failure("10.0.0.1", t0 + std::chrono::seconds(62));
    EXPECT_FALSE(guard.blocked("10.0.0.1", t0 + std::chrono::seconds(63)));
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

TEST(ServerOptions, ParsesEveryOptionAndRejectsBadValues)
{
    server_options o;
    std::string error;
    ASSERT_TRUE(parse_options(
        { "--listen", "[::1]:4000", "--data", "/tmp/x", "--min-version", "1.0", "--update-version",
            "1.1", "--max-connections", "9", "--max-connections-per-address", "3",
            "--max-failed-logins", "0", "--quota-mb", "7", "--idle-timeout", "2", "--threads", "1",
            "--workers", "1", "--hash-ops", "1", "--hash-memory-kb", "8", "--log-heartbeats" },
        o, error))
        << error;
    EXPECT_EQ(o.listen_address, "::1");
    EXPECT_EQ(o.listen_port, 4000);
    EXPECT_EQ(o.max_connections_per_address, 3u);
    EXPECT_EQ(o.idle_timeout, std::chrono::seconds(2));
    EXPECT_TRUE(o.log_heartbeats);
    for (const std::vector<std::string>& bad :
        { std::vector<std::string> { "--listen", "127.0.0.1" }, { "--listen", "127.0.0.1:70000" },
            { "--min-version", "x" }, { "--idle-timeout", "0" }, { "--bogus", "1" },
            { "--data" } }) {
        server_options other;
        EXPECT_FALSE(parse_options(bad, other, error)) << bad[0];
    }
}

TEST(ServerOptions, HelpDocumentsEveryOption)
{
    const std::string help = usage_text();
    for (const char* option : { "--listen", "--data", "--min-version", "--update-version",
             "--max-connections ", "--max-connections-per-address", "--max-failed-logins",
             "--quota-mb", "--idle-timeout", "--threads", "--workers", "--hash-ops",
             "--hash-memory-kb", "--log-heartbeats", "--disable", "--enable", "--help" })
        EXPECT_NE(help.find(option), std::string::npos) << option;
}

TEST(RequestReader, FramesBecomeRequestsInOrder)
{
    chat_message login, heartbeat, reg, chunk;
    wire::build_login(login, "acc", wire::md5_hex("pw"));
    wire::build_heartbeat(heartbeat, wire::md5_hex("pw"));
    wire::build_register(reg, "newone", "typed");
    wire::build_frame(chunk, wire::kind_file_chunk, "acc", "d", "1x", "abc", 3);
    const std::string stream
        = frame_bytes(login) + frame_bytes(heartbeat) + frame_bytes(reg) + frame_bytes(chunk);
    request_reader reader;
    std::vector<sync_request> out;
    reader.read(stream.data(), stream.size(), out);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0].what, sync_request::type::login);
    EXPECT_EQ(out[0].account, "acc");
    EXPECT_EQ(out[0].payload, wire::login_payload(wire::client_version));
    EXPECT_EQ(out[1].what, sync_request::type::heartbeat);
    EXPECT_EQ(out[2].what, sync_request::type::register_account);
    EXPECT_EQ(out[2].secret, "typed");
    EXPECT_EQ(out[3].what, sync_request::type::other);
    EXPECT_EQ(out[3].kind, wire::kind_file_chunk);
}

// A service on a real database in a temporary folder, with the cheapest hash settings.
struct service_fixture : ::testing::Test {
    temp_folder folder;
    account_store store;
    password_hasher hasher { 1, 8192 };
    login_guard guard { 3, std::chrono::seconds(60) };
    std::unique_ptr<account_service> service;
    const std::string current = wire::login_payload(wire::client_version);

    void SetUp() override
    {
        ASSERT_TRUE(store.open(folder.path() + "/accounts.db"));
        make_service({});
    }
    void make_service(account_policy policy)
    {
        service = std::make_unique<account_service>(store, hasher, guard, std::move(policy));
    }
    login_result login(const std::string& account, const std::string& password,
        const std::string& address = "10.1.1.1")
    {
        return service->login(address, account, wire::md5_hex(password), current);
    }
};

TEST_F(service_fixture, RegisterThenLoginWithTheDigest)
{
    ASSERT_TRUE(service->register_account("alice@home.org", "pw"));
    EXPECT_EQ(login("alice@home.org", "pw"), login_result::success);
    EXPECT_EQ(login("alice@home.org", "pw"), login_result::success); // remembered digest
    EXPECT_EQ(login("alice@home.org", "wrong"), login_result::error);
    EXPECT_EQ(login("bob", "pw"), login_result::error);
    // The typed password is not a digest and must not log in.
    EXPECT_EQ(service->login("10.1.1.2", "alice@home.org", "pw", current), login_result::error);
}

TEST_F(service_fixture, StoredSecretIsASlowHashNotTheDigest)
{
    ASSERT_TRUE(service->register_account("carol", "secret"));
    const auto record = store.find("carol");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->secret.rfind("$argon2", 0), 0u);
    EXPECT_EQ(record->secret.find(wire::md5_hex("secret")), std::string::npos);
    EXPECT_EQ(record->secret.find("secret"), std::string::npos);
}

TEST_F(service_fixture, RegisterRules)
{
    EXPECT_TRUE(service->register_account("A.b_c@d-e9", "x"));
    EXPECT_TRUE(service->register_account(std::string(32, 'n'), std::string(32, 'p')));
    EXPECT_FALSE(service->register_account("A.b_c@d-e9", "other")); // exists
    EXPECT_FALSE(service->register_account(std::string(33, 'n'), "p"));
    EXPECT_FALSE(service->register_account("", "p"));
    EXPECT_FALSE(service->register_account("space name", "p"));
    EXPECT_FALSE(service->register_account("semi;colon", "p"));
    EXPECT_FALSE(service->register_account(std::string(wire::anonymous_account), "p"));
    EXPECT_FALSE(service->register_account("nopass", ""));
    EXPECT_FALSE(service->register_account("longpass", std::string(33, 'p')));
}

TEST_F(service_fixture, AnonymousAlwaysLogsInEvenFromABlockedAddress)
{
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(login("ghost", "x", "10.9.9.9"), login_result::error);
    EXPECT_EQ(login("ghost", "x", "10.9.9.9"), login_result::refused_password);
    EXPECT_EQ(login(std::string(wire::anonymous_account), std::string(wire::anonymous_password),
                  "10.9.9.9"),
        login_result::success);
    ASSERT_TRUE(service->register_account("dave", "pw"));
    // The right password does not get through a blocked address either.
    EXPECT_EQ(login("dave", "pw", "10.9.9.9"), login_result::refused_password);
    EXPECT_EQ(login("dave", "pw", "10.9.9.8"), login_result::success);
}

TEST_F(service_fixture, VersionRules)
{
    account_policy policy;
    policy.min_version = client_version::from_text("1.0.0.20181001");
    policy.update_version = client_version::from_text("1.0.1");
    make_service(policy);
    const std::string anon(wire::anonymous_account);
    EXPECT_EQ(service->login("a", anon, "", current), login_result::quit_client);
    EXPECT_EQ(service->login("a", anon, "", wire::login_payload("1.0.0.20180101")),
        login_result::refused_version);
    EXPECT_EQ(service->login("a", anon, "", "garbage"), login_result::refused_version);
    EXPECT_EQ(service->login("a", anon, "", wire::login_payload("1.0.1")), login_result::success);
}

TEST_F(service_fixture, DisabledAndOverQuotaAccountsAreRefusedAfterThePassword)
{
    account_policy policy;
    policy.quota_bytes = 100;
    make_service(policy);
    ASSERT_TRUE(service->register_account("erin", "pw"));
    ASSERT_TRUE(service->register_account("frank", "pw"));
    ASSERT_TRUE(store.set_disabled("erin", true));
    ASSERT_TRUE(store.set_stored_bytes("frank", 101));
    EXPECT_EQ(login("erin", "wrong"), login_result::error);
    EXPECT_EQ(login("erin", "pw"), login_result::refused_permission);
    EXPECT_EQ(login("frank", "pw"), login_result::refused_money);
    ASSERT_TRUE(store.set_stored_bytes("frank", 100));
    EXPECT_EQ(login("frank", "pw"), login_result::success);
    EXPECT_FALSE(store.set_disabled("nobody", true));
}

} // namespace

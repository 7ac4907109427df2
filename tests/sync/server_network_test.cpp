// The real quillbox-syncd over loopback: replies, refusals that close, silence, limits.
#include "server/account_store.h"
#include "sync/anonymous_account.h"
#include "sync/frame_parser.h"
#include "sync/md5.h"
#include "sync/reply_texts.h"
#include "sync/wire_kinds.h"
#include "tests/sync/server_process.h"
#include "tests/sync/wire_test_support.h"

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <optional>

namespace {

using namespace std::chrono_literals;

// A plain blocking client socket on 127.0.0.1 that talks to the server frame by frame.
class wire_socket {
public:
    explicit wire_socket(std::uint16_t port)
    {
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(port);
        connected = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~wire_socket() { close(fd_); }
    wire_socket(const wire_socket&) = delete;
    wire_socket& operator=(const wire_socket&) = delete;

    // A blocking send on loopback hands over all the bytes at once.
    bool send(const std::string& bytes)
    {
        return ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL)
            == static_cast<ssize_t>(bytes.size());
    }
    // The next frame, or nothing when none came within the timeout or the peer closed.
    std::optional<frame_record> read_frame(std::chrono::milliseconds timeout = 5s)
    {
        timeval limit {};
        limit.tv_sec = timeout.count() / 1000;
        limit.tv_usec = timeout.count() % 1000 * 1000;
        setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        char buffer[2048];
        while (frames_.empty() && !peer_closed) {
            const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                break;
            peer_closed = n <= 0;
            if (n > 0)
                parser_.parse_data(buffer, static_cast<std::size_t>(n), frames_);
        }
        if (frames_.empty())
            return std::nullopt;
        frame_record frame = std::move(frames_.front());
        frames_.erase(frames_.begin());
        return frame;
    }
    // The reply text or refusal of the next frame; empty when none came.
    std::string reply()
    {
        const auto frame = read_frame();
        return frame ? reply_of(frame->payload_view()) : std::string();
    }
    // True when the peer closes the connection, skipping the frames before; each read waits
    // up to timeout.
    bool wait_closed(std::chrono::milliseconds timeout)
    {
        while (read_frame(timeout))
            continue;
        return peer_closed;
    }

    bool connected = false;
    bool peer_closed = false;

private:
    int fd_ = socket(AF_INET, SOCK_STREAM, 0);
    frame_parser parser_;
    std::vector<frame_record> frames_;
};

std::string login_frame(const std::string& account, const std::string& password)
{
    frame_buffer m;
    wire::build_login(m, account, wire::md5_hex(password));
    return bytes_of(m);
}

std::string anonymous_login()
{
    return login_frame(std::string(wire::anonymous_account), std::string(wire::anonymous_password));
}

std::string register_frame(const std::string& account, const std::string& password)
{
    frame_buffer m;
    wire::build_register(m, account, password);
    return bytes_of(m);
}

TEST(SyncServer, LoginRegisterAndTheirReplies)
{
    server_process server;
    ASSERT_TRUE(server.start());
    wire_socket s(server.port());
    ASSERT_TRUE(s.connected);
    ASSERT_TRUE(s.send(anonymous_login()));
    auto reply = s.read_frame();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply_of(reply->payload_view()), wire::reply_login_success);
    EXPECT_EQ(reply->id_text(), wire::anonymous_account);

    // A sender may leave a field without its terminator; the server then reads 33 characters.
    std::string long_name = register_frame(std::string(32, 'n'), "p");
    std::string long_password = register_frame("longpass", std::string(32, 'p'));
    long_name[18 + 32] = 'n';
    long_password[51 + 32] = 'p';
    // Sent back to back, and answered in order although hashing runs elsewhere: three that
    // pass, then one that exists and seven with a bad name or password.
    s.send(register_frame("grace", "sesame") + register_frame("A.b_c@d-e9", "pw")
        + register_frame(std::string(32, 'n'), std::string(32, 'p'))
        + register_frame("grace", "other") + register_frame("", "p")
        + register_frame("bad name", "p") + register_frame("semi;colon", "p")
        + register_frame(std::string(wire::anonymous_account), "p") + register_frame("nopass", "")
        + long_name + long_password);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(s.reply(), i < 3 ? wire::reply_register_success : wire::reply_register_failed)
            << i;

    // The second login finds the digest remembered; a wrong digest, the typed password instead
    // of its digest and an unknown account fail, and none of them closes the connection.
    s.send(login_frame("grace", "sesame") + login_frame("grace", "sesame")
        + login_frame("grace", "nope")
        + make_frame(wire::kind_login, wire::login_payload(wire::client_version), "grace", "sesame")
        + login_frame("bob", "sesame") + login_frame("grace", "sesame"));
    reply = s.read_frame();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply_of(reply->payload_view()), wire::reply_login_success);
    EXPECT_EQ(reply->id_text(), "grace"); // a success echoes the account and the digest
    EXPECT_EQ(reply->pwd_text(), wire::md5_hex("sesame"));
    for (std::string_view answer : { wire::reply_login_success, wire::reply_login_error,
             wire::reply_login_error, wire::reply_login_error, wire::reply_login_success })
        EXPECT_EQ(s.reply(), answer);

    // The database holds a slow hash, neither the digest the client sends nor the password.
    syncd::account_store store;
    ASSERT_TRUE(store.open(server.data_folder() + "/accounts.db"));
    const auto record = store.find("grace");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->secret.rfind("$argon2", 0), 0u);
    EXPECT_EQ(record->secret.find(wire::md5_hex("sesame")), std::string::npos);
    EXPECT_EQ(record->secret.find("sesame"), std::string::npos);
}

TEST(SyncServer, EachRefusalIsSentAndTheConnectionClosed)
{
    server_process server(
        { "--min-version", "1.0", "--max-failed-logins", "2", "--quota-mb", "1" });
    ASSERT_TRUE(server.start());
    // The answer to frame on a connection of its own; a refusal, and only a refusal, closes.
    const auto answer = [&](const std::string& frame) {
        wire_socket s(server.port());
        s.send(frame);
        const std::string text = s.reply();
        EXPECT_EQ(
            s.wait_closed(wire::is_refusal_text(text) ? 5s : 300ms), wire::is_refusal_text(text))
            << text;
        return text;
    };
    EXPECT_EQ(answer(register_frame("ivan", "pw")), wire::reply_register_success);
    EXPECT_EQ(answer(register_frame("judy", "pw")), wire::reply_register_success);
    // The operator disables an account from the command line while the server runs.
    const std::string disable
        = std::string(QUILLBOX_SYNCD_PATH) + " --data " + server.data_folder() + " --disable ";
    ASSERT_EQ(std::system((disable + "ivan > /dev/null").c_str()), 0);
    EXPECT_NE(std::system((disable + "nobody 2> /dev/null").c_str()), 0);
    syncd::account_store store;
    ASSERT_TRUE(store.open(server.data_folder() + "/accounts.db"));
    ASSERT_TRUE(store.set_stored_bytes("judy", 1024 * 1024)); // just at the quota
    EXPECT_EQ(answer(login_frame("judy", "pw")), wire::reply_login_success);
    ASSERT_TRUE(store.set_stored_bytes("judy", 1024 * 1024 + 1));

    const std::string digest = wire::md5_hex("pw");
    EXPECT_EQ(answer(login_frame("ivan", "pw")), wire::refusal_permission);
    EXPECT_EQ(answer(login_frame("judy", "pw")), wire::refusal_money);
    EXPECT_EQ(answer(make_frame(wire::kind_login, wire::login_payload("0.9"), "judy", digest)),
        wire::refusal_version);
    EXPECT_EQ(answer(make_frame(wire::kind_login, "x", "judy", digest)), wire::refusal_version);
    // Without the password a disabled account looks like any other.
    EXPECT_EQ(answer(login_frame("ivan", "wrong")), wire::reply_login_error);
    EXPECT_EQ(answer(login_frame("judy", "wrong")), wire::reply_login_error);
    // Two failures block the address, even for the right password, but not the shared account.
    EXPECT_EQ(answer(login_frame("judy", "pw")), wire::refusal_password);
    EXPECT_EQ(answer(anonymous_login()), wire::reply_login_success);
    EXPECT_EQ(server.count_in_log("login refused"), 5u);
}

TEST(SyncServer, OldClientIsToldToUpdate)
{
    server_process server({ "--update-version", "2.0" });
    ASSERT_TRUE(server.start());
    wire_socket s(server.port());
    s.send(anonymous_login());
    EXPECT_EQ(s.reply(), wire::reply_quit_client);
}

TEST(SyncServer, SilentConnectionIsClosedAndAHeartbeatKeepsOneOpen)
{
    server_process server({ "--idle-timeout", "1" });
    ASSERT_TRUE(server.start());
    wire_socket beating(server.port());
    ASSERT_TRUE(beating.connected);
    frame_buffer heartbeat;
    ASSERT_TRUE(wire::build_heartbeat(heartbeat, wire::md5_hex("x")));
    // Each silent connection that the server closes marks one whole idle timeout; the beating
    // one, sending about ten times per timeout, must stay open through three of them.
    for (int period = 0; period < 3; ++period) {
        wire_socket silent(server.port());
        ASSERT_TRUE(silent.connected);
        bool silent_closed = false;
        for (int beat = 0; beat < 100 && !silent_closed; ++beat) {
            ASSERT_TRUE(beating.send(bytes_of(heartbeat)));
            ASSERT_FALSE(beating.wait_closed(100ms)) << "period " << period << ", beat " << beat;
            silent_closed = silent.wait_closed(1ms);
        }
        ASSERT_TRUE(silent_closed) << "period " << period;
    }
    EXPECT_TRUE(beating.wait_closed(5s)); // once it falls silent too
}

TEST(SyncServer, ConnectionsBeyondThePerAddressLimitAreClosed)
{
    server_process server({ "--max-connections-per-address", "2" });
    ASSERT_TRUE(server.start());
    wire_socket a(server.port());
    auto b = std::make_unique<wire_socket>(server.port());
    wire_socket c(server.port());
    EXPECT_TRUE(c.wait_closed(3s));
    EXPECT_FALSE(a.wait_closed(200ms));
    // A freed place can be taken again, once the server has seen b go.
    b.reset();
    bool taken = false;
    for (int i = 0; i < 10 && !taken; ++i) {
        wire_socket d(server.port());
        taken = !d.wait_closed(300ms);
    }
    EXPECT_TRUE(taken);
}

TEST(SyncServer, GarbageAndBrokenFramesDoNotStopTheAnswers)
{
    server_process server;
    ASSERT_TRUE(server.start());
    wire_socket s(server.port());
    std::string broken = anonymous_login();
    broken[123] = '\x7f'; // a data_length that runs past the end marker
    ASSERT_TRUE(s.send(std::string(5000, '\xaa') + broken + anonymous_login()));
    EXPECT_EQ(s.reply(), wire::reply_login_success);
}

} // namespace

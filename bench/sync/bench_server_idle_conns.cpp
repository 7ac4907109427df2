// Resident memory of one quillbox-syncd holding 10,000 logged-in connections (anonymous and
// real accounts) that have sent heartbeats; afterwards every connection must still answer.
#include "bench/sync/bench_clients.h"
#include "sync/anonymous_account.h"
#include "sync/frame_builder.h"
#include "sync/frame_parser.h"
#include "sync/md5.h"
#include "tests/sync/server_process.h"

#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int connections = 10000;
constexpr int real_accounts = 20;

bool send_all(int fd, const frame_buffer& m)
{
    return send(fd, m.data(), m.length(), MSG_NOSIGNAL) == static_cast<ssize_t>(m.length());
}

// The reply text of the next frame on fd, empty after 10 s or on a closed connection.
std::string read_reply(int fd, frame_parser& parser)
{
    std::vector<frame_record> out;
    char buffer[2048];
    for (int i = 0; i < 100 && out.empty(); ++i) {
        pollfd p { fd, POLLIN, 0 };
        if (poll(&p, 1, 100) <= 0)
            continue;
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            return {};
        parser.parse_data(buffer, static_cast<std::size_t>(n), out);
    }
    if (out.empty())
        return {};
    return wire::reply_text(out[0].payload_view()).value_or("");
}

std::string account_name(int i)
{
    return "bench" + std::to_string(i);
}

} // namespace

int main()
{
    rlimit limit {};
    getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
    if (limit.rlim_cur < connections + 100) {
        std::fprintf(stderr, "open-file limit %lu is below %d\n",
            static_cast<unsigned long>(limit.rlim_cur), connections + 100);
        return 1;
    }

    // Its 20 accounts come from one address, beyond the default registration limit.
    server_process server({ "--max-connections-per-address", "20000", "--register-per-minute", "0",
        "--register-total-per-minute", "0" });
    if (!server.start()) {
        std::fprintf(stderr, "server did not start\n");
        return 1;
    }
    const std::uint16_t port = server.port();

    {
        const int fd = bench::connect_loopback(port);
        frame_parser parser;
        for (int i = 0; i < real_accounts; ++i) {
            frame_buffer m;
            wire::build_register(m, account_name(i), "pw" + std::to_string(i));
            if (!send_all(fd, m) || read_reply(fd, parser) != "Register success!") {
                std::fprintf(stderr, "register failed\n");
                return 1;
            }
        }
        close(fd);
    }

    std::vector<int> fds;
    std::vector<frame_parser> parsers(connections);
    auto login_all = [&]() {
        // Every tenth connection logs in with a real account.
        for (int i = 0; i < connections; ++i) {
            frame_buffer m;
            if (i % 10 == 0) {
                const int a = (i / 10) % real_accounts;
                wire::build_login(m, account_name(a), wire::md5_hex("pw" + std::to_string(a)));
            } else {
                wire::build_login(
                    m, wire::anonymous_account, wire::md5_hex(wire::anonymous_password));
            }
            if (!send_all(fds[i], m))
                return 0;
        }
        int ok = 0;
        for (int i = 0; i < connections; ++i)
            ok += read_reply(fds[i], parsers[i]) == "Login success!";
        return ok;
    };

    for (int i = 0; i < connections; ++i) {
        const int fd = bench::connect_loopback(port);
        if (fd < 0) {
            std::fprintf(stderr, "connection %d failed\n", i);
            return 1;
        }
        fds.push_back(fd);
    }
    const int logged_in = login_all();
    frame_buffer heartbeat;
    wire::build_heartbeat(heartbeat, wire::md5_hex(wire::anonymous_password));
    for (int fd : fds)
        send_all(fd, heartbeat);
    std::this_thread::sleep_for(std::chrono::seconds(2));

    // The server's pid is the child of this process listening on port; read it from /proc.
    const long rss = server.rss_kb();
    const int answered = login_all();
    for (int fd : fds)
        close(fd);

    std::printf("BENCH server_idle_conns_rss %.1f MB\n", static_cast<double>(rss) / 1024.0);
    std::printf("BENCH server_idle_conns_logged_in %d conns\n", logged_in);
    std::printf("BENCH server_idle_conns_answered_after %d conns\n", answered);
    return logged_in == connections && answered == connections && rss > 0 && rss <= 128 * 1024 ? 0
                                                                                               : 1;
}

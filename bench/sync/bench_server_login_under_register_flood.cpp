// Login latency of existing accounts while 50 connections from one address send registers as
// fast as the server answers them (16 waiting each), with the default registration limits and
// production hash settings. The budget: p99 at most 200 ms.
#include "bench/sync/bench_clients.h"
#include "tests/sync/server_process.h"

#include <atomic>
#include <cstdio>
#include <thread>

namespace {

constexpr int flooders = 50;
constexpr int in_flight = 16;
constexpr int accounts = 10;
constexpr auto duration = std::chrono::seconds(10);
constexpr double budget_ms = 200;

std::string register_bytes(const std::string& account)
{
    frame_buffer m;
    wire::build_register(m, account, "pw");
    return std::string(m.data(), m.length());
}

// Keeps in_flight registers outstanding on each connection; counts the answers.
void flood(std::uint16_t port, bench::clock::time_point end, std::atomic<long>& answers)
{
    std::vector<int> fds(flooders, -1);
    std::vector<int> waiting(flooders, 0);
    std::vector<frame_parser> parsers(flooders);
    std::vector<pollfd> polls(flooders);
    long next_name = 0;
    while (bench::clock::now() < end) {
        for (int i = 0; i < flooders; ++i) {
            if (fds[i] < 0) {
                fds[i] = bench::connect_loopback(port);
                waiting[i] = 0;
                parsers[i] = frame_parser();
            }
            std::string burst;
            for (; fds[i] >= 0 && waiting[i] < in_flight; ++waiting[i])
                burst += register_bytes("flood" + std::to_string(next_name++));
            if (!burst.empty()
                && send(fds[i], burst.data(), burst.size(), MSG_NOSIGNAL)
                    != static_cast<ssize_t>(burst.size())) {
                close(fds[i]);
                fds[i] = -1;
            }
            polls[i] = { fds[i], POLLIN, 0 };
        }
        if (poll(polls.data(), polls.size(), 5) <= 0)
            continue;
        char buffer[4096];
        for (int i = 0; i < flooders; ++i) {
            if (!polls[i].revents)
                continue;
            const ssize_t n = recv(fds[i], buffer, sizeof buffer, 0);
            if (n <= 0) {
                close(fds[i]);
                fds[i] = -1;
                continue;
            }
            std::vector<frame_record> out;
            parsers[i].parse_data(buffer, static_cast<std::size_t>(n), out);
            waiting[i] -= static_cast<int>(out.size());
            answers += static_cast<long>(out.size());
        }
    }
    for (int fd : fds)
        if (fd >= 0)
            close(fd);
}

} // namespace

int main()
{
    server_process server({ "--hash-ops", "2", "--hash-memory-kb", "19456" });
    if (!server.start()) {
        std::fprintf(stderr, "server did not start\n");
        return 1;
    }
    // The existing accounts take ten of the address's registrations, before the flood.
    std::vector<std::string> logins;
    {
        const int fd = bench::connect_loopback(server.port());
        frame_parser parser;
        for (int i = 0; i < accounts; ++i) {
            const std::string bytes = register_bytes("user" + std::to_string(i));
            send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (!bench::read_frame(fd, parser))
                return 1;
            logins.push_back(bench::login_bytes("user" + std::to_string(i), "pw"));
        }
        close(fd);
    }
    bench::login_clients users(server.port(), logins, std::chrono::milliseconds(50));
    const auto end = bench::clock::now() + duration;
    std::atomic<long> answers { 0 };
    std::thread attacker([&] { flood(server.port(), end, answers); });
    users.run(end);
    attacker.join();
    const double p99 = users.quantile_ms(0.99);
    std::printf("BENCH server_login_p99_under_register_flood %.1f ms\n", p99);
    std::printf("BENCH server_first_login_p99_under_register_flood %.1f ms\n",
        users.first_quantile_ms(0.99));
    std::printf("BENCH server_register_flood_answers %ld registers\n", answers.load());
    std::printf("BENCH server_register_flood_accepted %zu accounts\n",
        server.count_in_log("register ok") - accounts);
    return p99 >= 0 && p99 <= budget_ms ? 0 : 1;
}

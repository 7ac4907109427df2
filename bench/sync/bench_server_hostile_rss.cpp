// Resident memory of quillbox-syncd while 50 connections send shared-account logins as fast
// as they can and never read an answer (reconnecting when the server closes them), beside 100
// well-behaved clients logging in to real accounts; and those clients' login p99. Production
// hash settings.
#include "bench/sync/bench_clients.h"
#include "sync/anonymous_account.h"
#include "tests/sync/server_process.h"

#include <atomic>
#include <cstdio>
#include <thread>

namespace {

constexpr int hostile = 50;
constexpr int behaved = 100;
constexpr int accounts = 10;
constexpr auto duration = std::chrono::seconds(10);
constexpr long budget_kb = 64 * 1024;

std::string account_name(int i)
{
    return "calm" + std::to_string(i);
}

// Each turn offers every hostile connection a batch without waiting; what does not fit is
// dropped, a closed connection is opened again.
void flood(std::uint16_t port, bench::clock::time_point end, std::atomic<long>& reconnects)
{
    std::string batch;
    for (int i = 0; i < 16; ++i)
        batch += bench::login_bytes(
            std::string(wire::anonymous_account), std::string(wire::anonymous_password));
    std::vector<int> fds(hostile, -1);
    while (bench::clock::now() < end) {
        bool sent = false;
        for (int& fd : fds) {
            if (fd < 0) {
                fd = bench::connect_loopback(port);
                ++reconnects;
                if (fd < 0)
                    continue;
                const int small = 4096; // fills the server's side sooner
                setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
            }
            const ssize_t n = send(fd, batch.data(), batch.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n > 0)
                sent = true;
            else if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
                close(fd);
                fd = -1;
            }
        }
        if (!sent)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    for (int fd : fds)
        if (fd >= 0)
            close(fd);
}

} // namespace

int main()
{
    server_process server({ "--hash-ops", "2", "--hash-memory-kb", "19456", "--register-per-minute",
        "0", "--register-total-per-minute", "0" });
    if (!server.start()) {
        std::fprintf(stderr, "server did not start\n");
        return 1;
    }
    {
        const int fd = bench::connect_loopback(server.port());
        frame_parser parser;
        for (int i = 0; i < accounts; ++i) {
            frame_buffer m;
            wire::build_register(m, account_name(i), "pw");
            send(fd, m.data(), m.length(), MSG_NOSIGNAL);
            if (!bench::read_frame(fd, parser))
                return 1;
        }
        close(fd);
    }
    const long rss_start = server.rss_kb();

    std::vector<std::string> logins;
    for (int i = 0; i < behaved; ++i)
        logins.push_back(bench::login_bytes(account_name(i % accounts), "pw"));
    bench::login_clients calm(server.port(), logins, std::chrono::milliseconds(100));

    const auto end = bench::clock::now() + duration;
    std::atomic<long> reconnects { 0 };
    std::atomic<long> rss_max { rss_start };
    std::thread attacker([&] { flood(server.port(), end, reconnects); });
    std::thread sampler([&] {
        while (bench::clock::now() < end + std::chrono::seconds(1)) {
            rss_max = std::max(rss_max.load(), server.rss_kb());
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    });
    calm.run(end);
    attacker.join();
    sampler.join();
    const long rss_end = server.rss_kb();

    std::printf("BENCH server_hostile_rss %.1f MB\n", static_cast<double>(rss_max) / 1024.0);
    std::printf("BENCH server_hostile_rss_after %.1f MB\n", static_cast<double>(rss_end) / 1024.0);
    std::printf(
        "BENCH server_hostile_rss_before %.1f MB\n", static_cast<double>(rss_start) / 1024.0);
    std::printf("BENCH server_hostile_login_p99 %.1f ms\n", calm.quantile_ms(0.99));
    std::printf("BENCH server_hostile_first_login_p99 %.1f ms\n", calm.first_quantile_ms(0.99));
    std::printf("BENCH server_hostile_logins_answered %zu logins\n", calm.answered());
    std::printf("BENCH server_hostile_reconnects %ld conns\n", reconnects.load());
    return rss_max > 0 && rss_max <= budget_kb && calm.answered() > 0 ? 0 : 1;
}

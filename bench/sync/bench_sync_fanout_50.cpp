// One account on 50 connected machines: a 1 KB text record added on one, timed until the
// last of the other 49 has the file, append.json and the notification. Rounds are spaced
// beyond the server's notification spacing, as a user's copies are.
#include "bench/sync/bench_clients.h"
#include "sync/file_frames.h"
#include "sync/wire_kinds.h"
#include "tests/sync/server_process.h"

#include <poll.h>

#include <cstdio>
#include <thread>

namespace {

constexpr int machines = 50;
constexpr int rounds = 15;
constexpr double budget_ms = 1000;

bool send_all(int fd, const std::string& bytes)
{
    return send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(bytes.size());
}

// Waits until every receiver has had a frame of kind; false after 10 s.
bool wait_all(std::vector<int>& fds, std::vector<frame_parser>& parsers, std::uint8_t kind)
{
    std::vector<bool> done(fds.size(), false);
    std::size_t left = fds.size();
    const auto end = bench::clock::now() + std::chrono::seconds(10);
    std::vector<pollfd> polls(fds.size());
    while (left > 0 && bench::clock::now() < end) {
        for (std::size_t i = 0; i < fds.size(); ++i)
            polls[i] = { done[i] ? -1 : fds[i], POLLIN, 0 };
        if (poll(polls.data(), polls.size(), 100) <= 0)
            continue;
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (!polls[i].revents)
                continue;
            char buffer[4096];
            const ssize_t n = recv(fds[i], buffer, sizeof buffer, 0);
            if (n <= 0)
                return false;
            std::vector<frame_record> frames;
            parsers[i].parse_data(buffer, static_cast<std::size_t>(n), frames);
            for (const auto& frame : frames) {
                if (frame.kind == kind && !done[i]) {
                    done[i] = true;
                    --left;
                }
            }
        }
    }
    return left == 0;
}

} // namespace

int main()
{
    server_process server;
    if (!server.start()) {
        std::fprintf(stderr, "server did not start\n");
        return 1;
    }
    std::vector<int> fds;
    std::vector<frame_parser> parsers(machines);
    {
        const int fd = bench::connect_loopback(server.port());
        frame_buffer m;
        wire::build_register(m, "fan", "pw");
        if (fd < 0 || !send_all(fd, std::string(m.data(), m.length()))
            || !bench::read_frame(fd, parsers[0])) {
            std::fprintf(stderr, "register failed\n");
            return 1;
        }
        close(fd);
        parsers[0] = frame_parser();
    }
    for (int i = 0; i < machines; ++i) {
        const int fd = bench::connect_loopback(server.port());
        if (fd < 0 || !send_all(fd, bench::login_bytes("fan", "pw"))
            || !bench::read_frame(fd, parsers[i])) {
            std::fprintf(stderr, "login %d failed\n", i);
            return 1;
        }
        fds.push_back(fd);
    }
    const int sender = fds[0];
    std::vector<int> receivers(fds.begin() + 1, fds.end());
    std::vector<frame_parser> receiver_parsers(machines - 1);

    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        const std::string name = "17000000000000" + std::to_string(10000 + round) + ".txt";
        std::string bytes;
        wire::AppendFile(bytes, wire::kind_file_chunk, name, std::string(1024, 'a' + round % 26));
        frame_buffer record;
        wire::build_frame(
            record, wire::kind_record_added, "fan", wire::md5_hex("pw"), "0" + name, nullptr, 0);
        bytes.append(record.data(), record.length());
        const auto start = bench::clock::now();
        if (!send_all(sender, bytes)
            || !wait_all(receivers, receiver_parsers, wire::kind_append_ready)) {
            std::fprintf(stderr, "round %d: not every machine got the record\n", round);
            return 1;
        }
        times.push_back(
            std::chrono::duration<double, std::milli>(bench::clock::now() - start).count());
        std::this_thread::sleep_for(std::chrono::milliseconds(450));
    }
    for (int fd : fds)
        close(fd);
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("BENCH sync_fanout_50 %.1f ms\n", median);
    std::printf("BENCH sync_fanout_50_max %.1f ms\n", times.back());
    std::printf(
        "BENCH sync_fanout_50_server_rss %.1f MB\n", static_cast<double>(server.rss_kb()) / 1024.0);
    return median <= budget_ms ? 0 : 1;
}

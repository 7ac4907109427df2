// sync_latency: a text copied on machine A to its entry in machine B's list, both real
// programs on their own Xvfb displays, logged in to one account on a real quillbox-syncd on
// 127.0.0.1. B's list is seen through its content.json, written once the entry is in it.
// Median of 20.
#include "tests/e2e/support/sync_machines.h"
#include "tests/e2e/support/x_session.h"
#include "tests/sync/server_process.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

int main()
{
    using clock = std::chrono::steady_clock;
    using namespace std::chrono_literals;
    constexpr int kRuns = 20;
    server_process server;
    e2e::XSession xa, xb;
    if (!server.start() || !e2e::RegisterAccount(server.port(), "bench", "bench pw") || !xa.Start()
        || !xb.Start()) {
        std::fprintf(stderr, "sync_latency: server or displays did not start\n");
        return 1;
    }
    e2e::ProgramCopy a(xa), b(xb);
    if (!e2e::PrepareMachine(a, server.port(), "bench", "bench pw", false)
        || !e2e::PrepareMachine(b, server.port(), "bench", "bench pw", false))
        return 1;
    a.Launch();
    b.Launch();
    if (!a.WaitForWindows() || !b.WaitForWindows()
        || !server.wait_for_log("login ok account=bench", 2, 15s)) {
        std::fprintf(stderr, "sync_latency: the machines did not log in\n");
        return 1;
    }
    std::this_thread::sleep_for(1s); // the list updates after the logins settle
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        const QByteArray text = "latency probe " + QByteArray::number(run);
        const auto begin = clock::now();
        if (!xa.Copy(text))
            return 1;
        bool seen = false;
        while (!seen && clock::now() - begin < 10s) {
            const e2e::HistoryIndex index = b.Index();
            seen = !index.content.isEmpty() && b.Entry(index.content.front()) == text;
            if (!seen)
                std::this_thread::sleep_for(2ms);
        }
        if (!seen) {
            std::fprintf(stderr, "sync_latency: run %d never arrived\n", run);
            return 1;
        }
        ms.push_back(std::chrono::duration<double, std::milli>(clock::now() - begin).count());
        std::this_thread::sleep_for(200ms);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("BENCH sync_latency %.1f ms\n", (ms[kRuns / 2 - 1] + ms[kRuns / 2]) / 2);
    return 0;
}

// The waits of the sync connection. The defaults are the program's; tests shorten them so
// that they can wait for what happens instead of for the clock.
#pragma once

#include <algorithm>
#include <chrono>
#include <thread>

struct sync_timing {
    // From Connect, or from a lost connection, to building the next connection.
    std::chrono::milliseconds connect_delay { 1000 };
    // A lost connection's I/O thread is held this long, and the next connection waits for
    // that thread, so a server that drops everyone is not hammered.
    std::chrono::milliseconds failure_hold { 5000 };
    // From the start of the heartbeat loop to the login, which goes out only if the
    // connection is up by then.
    std::chrono::milliseconds login_delay { 1000 };
    std::chrono::milliseconds heartbeat_interval { 20000 };
};

// Sleeps for duration in steps of at most 100 ms, stopping early once keep_going() is false;
// returns keep_going().
template <typename Predicate>
bool sleep_while(std::chrono::milliseconds duration, Predicate keep_going)
{
    const std::chrono::milliseconds step { 100 };
    for (std::chrono::milliseconds slept { 0 }; slept < duration && keep_going(); slept += step)
        std::this_thread::sleep_for(std::min(step, duration - slept));
    return keep_going();
}

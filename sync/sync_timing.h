// The waits of the sync connection, all of them timers on the connection's I/O context. The
// defaults are the program's; tests shorten them so that they can wait for what happens
// instead of for the clock.
#pragma once

#include <chrono>

struct sync_timing {
    // From Connect, or from a lost connection's back-off, to the start of the next connection.
    std::chrono::milliseconds connect_delay { 1000 };
    // Added to connect_delay after a lost connection, so that a server that drops everyone is
    // not hammered.
    std::chrono::milliseconds failure_hold { 5000 };
    // A connect that has not completed by then counts as failed; the login goes out as soon
    // as the connection is up.
    std::chrono::milliseconds connect_timeout { 10000 };
    std::chrono::milliseconds heartbeat_interval { 20000 };
};

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
    // From the start of a connection to the login, which goes out only if the connection is
    // up by then.
    std::chrono::milliseconds login_delay { 1000 };
    std::chrono::milliseconds heartbeat_interval { 20000 };
};

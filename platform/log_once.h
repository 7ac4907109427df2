// A refused operation is logged on its first call only: callers may ask again
// and again, and one line says all there is to say.
#pragma once

#include <atomic>
#include <cstdio>

namespace platform {

inline void LogOnce(std::atomic<bool>& said, const char* message)
{
    if (!said.exchange(true))
        std::fprintf(stderr, "platform: %s\n", message);
}

} // namespace platform

#include "core/message_bus.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

using I = std::int64_t;
using calls = std::vector<int>;

// The registry is process-wide; each test uses ids of its own.
I NextId()
{
    static I id = 900000;
    return ++id;
}

bus::Handler Push(calls& log, int tag)
{
    return [&log, tag](I, I, I) {
        log.push_back(tag);
        return 42;
    };
}

TEST(MessageBus, HandlersRunInRegistrationOrderIncludingDuplicatesUnlessUnregistered)
{
    const I id = NextId();
    calls log;
    bus::Register(id, Push(log, 1));
    bus::Register(NextId(), Push(log, 99)); // another id is not called
    bus::Register(id, [&](I i, I a, I b) {
        log.push_back(i == id && a == -7 && b == 1LL << 40 ? 2 : -2);
        return 0;
    });
    bus::Register(id, Push(log, 1)); // the same handler again is called again
    bus::Unregister(bus::Register(id, Push(log, 4)));
    bus::Unregister(1ULL << 60); // unknown tokens are ignored
    EXPECT_EQ(bus::Post(id, -7, 1LL << 40), 0); // whatever the handlers return
    EXPECT_EQ(log, (calls { 1, 2, 1 }));
}

TEST(MessageBus, EntryRegisteredDuringPostIsCalledInTheSamePostAndMayPostAgain)
{
    const I id = NextId();
    const I inner = NextId();
    calls log;
    bus::Register(inner, Push(log, 3));
    bus::Register(id, [&](I, I, I) {
        log.push_back(1);
        if (log.size() == 1)
            bus::Register(id, [&](I, I, I) {
                bus::Post(inner, 0, 0); // a handler may post
                log.push_back(2);
                return 0;
            });
        return 0;
    });
    bus::Post(id, 0, 0);
    EXPECT_EQ(log, (calls { 1, 3, 2 }));
}

// Popups register while the network thread posts; neither may lose an entry
// or touch freed memory (the sanitizer build checks the latter).
TEST(MessageBus, RegistrationWhilePostingOnAnotherThread)
{
    const I id = NextId();
    std::atomic<int> count { 0 };
    std::atomic<bool> stop { false };
    bus::Register(id, [&](I, I, I) { return ++count; });
    std::thread poster([&] {
        while (!stop)
            bus::Post(id, 0, 0);
    });
    for (int i = 0; i < 2000; ++i)
        bus::Register(NextId(), [](I, I, I) { return 0; });
    stop = true;
    poster.join();
    count = 0;
    bus::Post(id, 0, 0);
    EXPECT_EQ(count, 1);
}

} // namespace

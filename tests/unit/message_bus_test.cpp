#include "app/message_bus.h"
#include "app/message_ids.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

// The registry is process-wide; each test uses ids of its own.
std::int64_t NextId()
{
    static std::int64_t id = 900000;
    return ++id;
}

TEST(MessageBus, HandlersRunInRegistrationOrderIncludingDuplicates)
{
    const auto id = NextId();
    std::vector<int> calls;
    auto handler = [&](int tag) {
        return [&calls, tag](std::int64_t, std::int64_t, std::int64_t) {
            calls.push_back(tag);
            return 0;
        };
    };
    bus::Register(id, handler(1));
    bus::Register(NextId(), handler(99)); // another id is not called
    bus::Register(id, handler(2));
    bus::Register(id, handler(1)); // the same handler again is called again
    bus::Post(id, 0, 0);
    EXPECT_EQ(calls, (std::vector<int> { 1, 2, 1 }));
}

TEST(MessageBus, PassesArgumentsAndAlwaysReturnsZero)
{
    const auto id = NextId();
    std::int64_t seen_id = 0, seen_a = 0, seen_b = 0;
    bus::Register(id, [&](std::int64_t i, std::int64_t a, std::int64_t b) {
        seen_id = i;
        seen_a = a;
        seen_b = b;
        return 42;
    });
    EXPECT_EQ(bus::Post(id, -7, 1LL << 40), 0);
    EXPECT_EQ(seen_id, id);
    EXPECT_EQ(seen_a, -7);
    EXPECT_EQ(seen_b, 1LL << 40);
}

TEST(MessageBus, PostWithoutHandlerDoesNothing)
{
    EXPECT_EQ(bus::Post(msg_delete_cancelled, 1, 2), 0);
}

TEST(MessageBus, EntryRegisteredDuringPostIsCalledInTheSamePost)
{
    const auto id = NextId();
    std::vector<int> calls;
    bus::Register(id, [&](std::int64_t, std::int64_t, std::int64_t) {
        calls.push_back(1);
        if (calls.size() == 1)
            bus::Register(id, [&](std::int64_t, std::int64_t, std::int64_t) {
                calls.push_back(2);
                return 0;
            });
        return 0;
    });
    bus::Post(id, 0, 0);
    EXPECT_EQ(calls, (std::vector<int> { 1, 2 }));
}

TEST(MessageBus, HandlerMayPostAnotherId)
{
    const auto outer = NextId();
    const auto inner = NextId();
    int inner_calls = 0;
    bus::Register(inner, [&](std::int64_t, std::int64_t, std::int64_t) { return ++inner_calls; });
    bus::Register(
        outer, [&](std::int64_t, std::int64_t, std::int64_t) { return bus::Post(inner, 0, 0); });
    bus::Post(outer, 0, 0);
    EXPECT_EQ(inner_calls, 1);
}

TEST(MessageBus, UnregisteredEntryIsSkippedOthersStay)
{
    const auto id = NextId();
    int first = 0, second = 0;
    auto token
        = bus::Register(id, [&](std::int64_t, std::int64_t, std::int64_t) { return ++first; });
    bus::Register(id, [&](std::int64_t, std::int64_t, std::int64_t) { return ++second; });
    bus::Unregister(token);
    bus::Unregister(0); // unknown tokens are ignored
    bus::Unregister(1ULL << 60);
    bus::Post(id, 0, 0);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
}

// Popups register while the network thread posts; neither may lose an entry
// or touch freed memory (the sanitizer build checks the latter).
TEST(MessageBus, RegistrationWhilePostingOnAnotherThread)
{
    const auto id = NextId();
    std::atomic<int> calls { 0 };
    std::atomic<bool> stop { false };
    bus::Register(id, [&](std::int64_t, std::int64_t, std::int64_t) { return ++calls; });
    std::thread poster([&] {
        while (!stop)
            bus::Post(id, 0, 0);
    });
    constexpr int kRegistrations = 2000;
    for (int i = 0; i < kRegistrations; ++i)
        bus::Register(NextId(), [](std::int64_t, std::int64_t, std::int64_t) { return 0; });
    stop = true;
    poster.join();

    calls = 0;
    bus::Post(id, 0, 0);
    EXPECT_EQ(calls, 1);
}

} // namespace

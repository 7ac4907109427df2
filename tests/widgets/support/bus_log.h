// Records what reaches the bus under one id, and stops listening when it goes.
#pragma once

#include "core/message_bus.h"

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

// Each post as copy made it of a and b, which may point at what lives only during the post.
template <typename T> struct bus_copies {
    bus_copies(std::int64_t id, std::function<T(std::int64_t, std::int64_t)> copy)
        : token(bus::Register(id, [this, copy](std::int64_t, std::int64_t a, std::int64_t b) {
            posts.push_back(copy(a, b));
            return std::int64_t { 0 };
        }))
    {
    }
    ~bus_copies() { bus::Unregister(token); }
    bus_copies(const bus_copies&) = delete;
    bus_copies& operator=(const bus_copies&) = delete;

    std::vector<T> posts;
    bus::Token token;
};

// The values a and b of each post.
struct bus_log : bus_copies<std::pair<std::int64_t, std::int64_t>> {
    explicit bus_log(std::int64_t id)
        : bus_copies(id, [](std::int64_t a, std::int64_t b) { return std::make_pair(a, b); })
    {
    }
};

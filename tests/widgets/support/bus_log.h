// Records what reaches the bus under one id, and stops listening when it goes.
#pragma once

#include "core/message_bus.h"

#include <cstdint>
#include <utility>
#include <vector>

struct bus_log {
    explicit bus_log(std::int64_t id)
        : token(bus::Register(id, [this](std::int64_t, std::int64_t a, std::int64_t b) {
            posts.emplace_back(a, b);
            return std::int64_t { 0 };
        }))
    {
    }
    ~bus_log() { bus::Unregister(token); }
    bus_log(const bus_log&) = delete;
    bus_log& operator=(const bus_log&) = delete;

    std::vector<std::pair<std::int64_t, std::int64_t>> posts;
    bus::Token token;
};

// Records the connection events posted on the bus, with their time, for the client tests.
#pragma once

#include "app/message_bus.h"
#include "app/message_ids.h"
#include "sync/chat_content.h"
#include "sync/frame_builder.h"
#include "sync/wire_log.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

class bus_recorder {
public:
    using clock = std::chrono::steady_clock;

    struct event {
        std::int64_t id;
        std::string text; // reply text of msg_net_received, account of msg_login_ok
        std::string digest; // pwd of msg_login_ok
        clock::time_point at;
    };

    // Registers before the connection's own handlers, as the login page does.
    bus_recorder()
    {
        for (std::int64_t id : { msg_net_failed, msg_net_connected, msg_net_received, msg_login_ok,
                 msg_login_failed, msg_client_quit })
            tokens_.push_back(
                bus::Register(id, [this](std::int64_t id, std::int64_t a, std::int64_t) {
                    record(id, a);
                    return 0;
                }));
        wire::set_log_handler([this](wire::log_level, const std::string& line) {
            std::lock_guard<std::mutex> lock(mutex_);
            log_.push_back({ line, clock::now() });
            changed_.notify_all();
        });
    }
    ~bus_recorder()
    {
        wire::set_log_handler({});
        for (auto t : tokens_)
            bus::Unregister(t);
    }

    // The time of the count-th event of id (1-based), waiting up to timeout.
    bool wait(std::int64_t id, std::size_t count, std::chrono::milliseconds timeout,
        clock::time_point* at = nullptr)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        const bool ok = changed_.wait_for(lock, timeout, [&] { return count_of(id) >= count; });
        if (ok && at)
            *at = nth(id, count).at;
        return ok;
    }
    bool wait_log(
        const std::string& line, std::chrono::milliseconds timeout, clock::time_point* at = nullptr)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        const auto match = [&] {
            for (const auto& l : log_)
                if (l.first == line) {
                    if (at)
                        *at = l.second;
                    return true;
                }
            return false;
        };
        return changed_.wait_for(lock, timeout, match);
    }
    std::size_t count(std::int64_t id)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return count_of(id);
    }
    event get(std::int64_t id, std::size_t n)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return nth(id, n);
    }
    std::size_t count_log(const std::string& line)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        std::size_t n = 0;
        for (const auto& l : log_)
            n += l.first == line;
        return n;
    }

private:
    void record(std::int64_t id, std::int64_t a)
    {
        event e { id, {}, {}, clock::now() };
        if (a != 0 && id == msg_net_received) {
            const auto& record = *reinterpret_cast<const chat_content*>(a);
            const auto text = wire::reply_text(record.payload_view());
            e.text = text ? *text : std::string(record.payload_view());
        } else if (a != 0 && id == msg_login_ok) {
            const auto& record = *reinterpret_cast<const chat_content*>(a);
            e.text = std::string(record.id_text());
            e.digest = std::string(record.pwd_text());
        }
        std::lock_guard<std::mutex> lock(mutex_);
        events_.push_back(e);
        changed_.notify_all();
    }
    std::size_t count_of(std::int64_t id) const
    {
        std::size_t n = 0;
        for (const auto& e : events_)
            n += e.id == id;
        return n;
    }
    event nth(std::int64_t id, std::size_t n) const
    {
        for (const auto& e : events_)
            if (e.id == id && --n == 0)
                return e;
        return {};
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<event> events_;
    std::vector<std::pair<std::string, clock::time_point>> log_;
    std::vector<bus::Token> tokens_;
};

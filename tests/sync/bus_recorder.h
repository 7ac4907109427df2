// Records the connection events posted on the bus and the wire log lines, in the order they
// happen, for the client tests. Both arrive on the connection's threads.
#pragma once

#include "core/message_bus.h"
#include "core/message_ids.h"
#include "sync/frame_record.h"
#include "tests/sync/wire_test_support.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class bus_recorder {
public:
    static constexpr std::int64_t log_line = -1; // the id log lines are recorded under
    // Recorded once the handlers registered before record_failures_handled have all returned
    // from a msg_net_failed post.
    static constexpr std::int64_t failure_handled = -2;

    struct event {
        std::int64_t id;
        std::string
            text; // the log line, the reply of msg_net_received, the account of msg_login_ok
        std::string digest; // the pwd of msg_login_ok
        std::size_t seq = 0; // its place among all recorded events
    };

    // Registers before the connection's own handlers, as the login page does.
    bus_recorder()
    {
        for (std::int64_t id : { msg_net_failed, msg_net_connected, msg_net_received, msg_login_ok,
                 msg_login_failed, msg_client_quit })
            tokens_.push_back(
                bus::Register(id, [this](std::int64_t id, std::int64_t a, std::int64_t) {
                    event e { id, {}, {}, 0 };
                    const auto* record = reinterpret_cast<const frame_record*>(a);
                    if (record && id == msg_login_ok) {
                        e.text = std::string(record->id_text());
                        e.digest = std::string(record->pwd_text());
                    } else if (record && id == msg_net_received) {
                        e.text = reply_of(record->payload_view());
                    }
                    add(std::move(e));
                    return 0;
                }));
        wire::set_log_handler([this](wire::log_level, const std::string& line) {
            add({ log_line, line, {}, 0 });
        });
    }
    // Call after the connection registered its handlers: the bus calls handlers in
    // registration order on the poster's thread, so this one runs when theirs have returned.
    void record_failures_handled()
    {
        tokens_.push_back(
            bus::Register(msg_net_failed, [this](std::int64_t, std::int64_t, std::int64_t) {
                add({ failure_handled, {}, {}, 0 });
                return 0;
            }));
    }
    ~bus_recorder()
    {
        wire::set_log_handler({});
        for (auto t : tokens_)
            bus::Unregister(t);
    }

    // The n-th (from 1) event of id, and with this text unless it is empty, waiting up to
    // timeout for it.
    std::optional<event> wait(std::int64_t id, std::size_t n, std::chrono::milliseconds timeout,
        const std::string& text = {})
    {
        std::unique_lock<std::mutex> lock(mutex_);
        std::optional<event> found;
        changed_.wait_for(lock, timeout, [&] {
            std::size_t seen = 0;
            for (const auto& e : events_)
                if (matches(e, id, text) && ++seen == n)
                    found = e;
            return found.has_value();
        });
        return found;
    }
    std::size_t count(std::int64_t id, const std::string& text = {})
    {
        std::lock_guard<std::mutex> lock(mutex_);
        std::size_t n = 0;
        for (const auto& e : events_)
            n += matches(e, id, text);
        return n;
    }

private:
    static bool matches(const event& e, std::int64_t id, const std::string& text)
    {
        return e.id == id && (text.empty() || e.text == text);
    }
    void add(event e)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        e.seq = events_.size();
        events_.push_back(std::move(e));
        changed_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<event> events_;
    std::vector<bus::Token> tokens_;
};

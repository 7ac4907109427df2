// One client connection: reads and cuts frames, hands slow requests to the workers one at a
// time (so replies keep the order of requests), writes replies, closes silent connections.
#pragma once

#include "server/connection_limits.h"
#include "server/request_handler.h"
#include "server/request_reader.h"
#include "server/task_workers.h"

#include <asio.hpp>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace syncd {

struct session_context {
    request_handler& handler;
    task_workers& workers;
    connection_limits& limits;
    std::chrono::milliseconds idle_timeout;
};

class sync_session : public std::enable_shared_from_this<sync_session> {
public:
    // The connection was counted in ctx.limits under address; the session releases it.
    sync_session(asio::ip::tcp::socket socket, std::string address, session_context& ctx);
    ~sync_session();

    void start();

private:
    void wait_readable();
    void on_readable(const asio::error_code& error);
    void handle(std::vector<sync_request>& requests);
    void run_next_task();
    void finish(const request_outcome& outcome);
    void send(const frame_buffer& message);
    void write_next();
    void arm_idle_timer(std::chrono::steady_clock::time_point deadline);
    void close();

    asio::ip::tcp::socket socket_;
    asio::steady_timer idle_timer_;
    request_reader reader_;
    std::string address_;
    std::string account_;
    session_context& ctx_;
    std::chrono::steady_clock::time_point last_active_;

    // Kept in vectors: an empty vector costs nothing, and thousands of idle sessions wait.
    std::vector<sync_request> pending_;
    bool task_running_ = false;
    std::vector<std::string> outbox_;
    std::string in_flight_;
    bool writing_ = false;
    bool close_after_write_ = false;
    bool closed_ = false;
};

} // namespace syncd

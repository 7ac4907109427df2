// One connection attempt and its lifetime: its own io_context and I/O thread, a delayed
// start that picks a server and connects, one login, then a heartbeat at each interval, until
// it is stopped. Every wait is a timer on the I/O context, so stopping never blocks.
#pragma once

#include "sync/server_list.h"
#include "sync/sync_socket.h"
#include "sync/sync_timing.h"

#include <asio.hpp>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

class sync_connection : public std::enable_shared_from_this<sync_connection> {
public:
    // Starts the I/O thread, which lives as long as the connection. server_index picks the
    // entry of the server list, wrapping around, so that each new attempt after a failure can
    // try the next server. Throws when no thread can be started.
    static std::shared_ptr<sync_connection> Create(sync_endpoint endpoint, std::size_t server_index,
        sync_timing timing, std::string account, std::string digest);
    ~sync_connection();

    sync_connection(const sync_connection&) = delete;
    sync_connection& operator=(const sync_connection&) = delete;

    // After delay: picks the server and begins the asynchronous connect; the outcome, a
    // failure to find a server or a connect that takes longer than the connect timeout
    // included, is posted on the bus. The login goes out as soon as the connection is up,
    // heartbeats follow.
    void Start(std::chrono::milliseconds delay);

    // Returns at once, whatever the state. Nothing more is posted on the bus; the I/O thread
    // ends once the cancelled operations have let go. Call it before letting go of the
    // connection: pending timers hold it until then.
    void Stop();

    // Both do nothing unless connected; false when nothing was queued.
    bool SendFrame(
        const char* payload, std::size_t length, std::string_view tag, std::uint8_t kind);
    bool SendRegister(std::string_view account, std::string_view password);

    bool connected() const { return socket_.connected(); }
    // Between the start and a stop or a failure: the login and heartbeat timers run.
    bool loop_active() const { return active_.load(); }
    bool stopped() const { return stopped_.load(); }
    // "host:port" of the server this attempt went to; empty when there was none.
    std::string server() const;
    // True on this connection's I/O thread, where its bus messages are posted.
    bool OnIoThread() const { return std::this_thread::get_id() == io_thread_id_; }

    // I/O threads not yet finished, across all connections; tests wait for it to drop.
    static int LiveIoThreads() { return live_io_threads_.load(); }

private:
    sync_connection(sync_endpoint endpoint, std::size_t server_index, sync_timing timing,
        std::string account, std::string digest);

    static void IoThread(
        std::shared_ptr<asio::io_context> io, std::weak_ptr<sync_connection> connection);
    void Begin();
    void Connected();
    void Heartbeat();
    // On the I/O thread: everything stops and msg_net_failed is posted once, unless the
    // connection was stopped or the socket has reported its own failure.
    void Fail(const std::string& reason);

    const sync_endpoint endpoint_;
    const std::size_t server_index_;
    const sync_timing timing_;
    const std::string account_;
    const std::string digest_;
    // Shared with the I/O thread, which may outlive the connection by the few instructions
    // after the handler that released the last owner.
    std::shared_ptr<asio::io_context> io_;
    asio::executor_work_guard<asio::io_context::executor_type> work_;
    sync_socket socket_;
    asio::steady_timer timer_; // start delay, connect timeout, heartbeat interval: one at a time
    std::thread io_thread_;
    std::thread::id io_thread_id_;
    std::atomic<bool> active_ { false };
    std::atomic<bool> stopped_ { false };
    mutable std::mutex server_mutex_;
    std::string server_;

    static std::atomic<int> live_io_threads_;
};

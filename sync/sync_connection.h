// One connection attempt and its lifetime: picks a server, connects, runs the I/O thread,
// logs in once and sends a heartbeat at each interval until it is stopped.
#pragma once

#include "sync/server_list.h"
#include "sync/sync_socket.h"
#include "sync/sync_timing.h"

#include <asio.hpp>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

class sync_connection {
public:
    // server_index picks the entry of the server list, wrapping around, so that each new
    // attempt after a failure can try the next server.
    sync_connection(sync_endpoint endpoint, std::size_t server_index, sync_timing timing = {});
    ~sync_connection();

    sync_connection(const sync_connection&) = delete;
    sync_connection& operator=(const sync_connection&) = delete;

    // Begins the asynchronous connect. Its outcome, a failure to find a server included, is
    // posted on the bus once Run has started the I/O thread.
    void Start(const std::string& account, const std::string& digest);

    // The heartbeat loop; returns when the running flag is cleared.
    void Run(const std::string& account, const std::string& digest);

    // Both do nothing unless connected; false when nothing was queued.
    bool SendFrame(
        const char* payload, std::size_t length, std::string_view tag, std::uint8_t kind);
    bool SendRegister(std::string_view account, std::string_view password);

    // Clears the running flag, stops the io_context and waits until Run has left its loop.
    void Stop();

    // Ignored once Stop was called, so a stop racing the start always wins.
    void SetRunning();
    void SetConnected() { connected_.store(1); }
    bool created() const { return created_.load(); }
    bool connected() const { return connected_.load() == 1; }
    bool loop_active() const { return loop_active_.load(); }
    // "host:port" of the server this attempt went to; empty when there was none.
    std::string server() const { return server_; }

private:
    // False when the running flag was cleared meanwhile.
    bool Wait(std::chrono::milliseconds duration);
    void StopLoop();

    sync_endpoint endpoint_;
    std::size_t server_index_;
    sync_timing timing_;
    std::string server_;
    std::string account_;
    std::string digest_;
    std::shared_ptr<asio::io_context> io_;
    std::unique_ptr<asio::executor_work_guard<asio::io_context::executor_type>> work_;
    std::unique_ptr<sync_socket> socket_;
    std::thread io_thread_;
    std::atomic<bool> created_ { false };
    std::atomic<bool> running_ { false };
    std::atomic<bool> loop_active_ { false };
    std::atomic<std::int64_t> connected_ { -1 };
    bool stopped_ = false; // guarded by stop_mutex_
    std::mutex stop_mutex_;
};

// The process-wide facade of the sync connection: credentials, link state, connection
// threads, and the bus handler that turns connection events and login replies into state.
#pragma once

#include "sync/frame_record.h"
#include "sync/server_list.h"
#include "sync/sync_connection.h"
#include "sync/sync_timing.h"

#include "core/message_bus.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

class sync_link {
public:
    enum link_state : int {
        state_lost = 0, // connection lost, a reconnect is under way
        state_logged_in = 1,
        state_refused = 2, // refused or told to quit: no automatic reconnect
        state_connecting = 3,
    };

    // The one the program uses, created on first use.
    static sync_link& instance();

    explicit sync_link(sync_endpoint endpoint = {}, sync_timing timing = {});
    ~sync_link(); // Shutdown and unregister

    sync_link(const sync_link&) = delete;
    sync_link& operator=(const sync_link&) = delete;

    // Registers OnMessage for msg_net_connected, msg_net_received and msg_net_failed, in this
    // order. Called once, after the login page registered its own handler.
    void RegisterHandlers();

    // Stores the credentials, state connecting, a new connection after the connect delay.
    void Connect(const std::string& account, const std::string& digest);
    // A detached connection thread: stops the current connection, waits delay, builds the
    // next one and runs its heartbeat loop.
    void Reconnect(std::chrono::milliseconds delay);

    // Only while logged in; false when nothing was queued.
    bool Send(const char* payload, std::size_t length, std::string_view tag, std::uint8_t kind);
    // Through the current connection whatever the link state; the server answers by reply.
    bool SendRegister(std::string_view account, std::string_view password);

    std::int64_t OnMessage(std::int64_t id, std::int64_t a, std::int64_t b);

    // Program exit: quit flag, state lost, the connection stopped and every connection
    // thread finished.
    void Shutdown();

    int LinkState() const { return link_state_.load(); }
    std::shared_ptr<sync_connection> Current() const;

    // Received file chunks (kind 7) go here; set before connecting.
    void SetFileChunkHandler(std::function<void(const frame_record&)> handler);

private:
    void ConnectionThread(std::uint64_t generation, std::chrono::milliseconds delay,
        std::string account, std::string digest);
    void StopCurrent();
    // False when quitting or a newer connection thread started meanwhile.
    bool Sleep(std::chrono::milliseconds duration, std::uint64_t generation);
    void ThreadDone();

    sync_endpoint endpoint_;
    sync_timing timing_;
    mutable std::mutex mutex_; // guards current_, the credentials and the generation
    std::shared_ptr<sync_connection> current_;
    std::string account_;
    std::string digest_;
    std::uint64_t generation_ = 0;
    std::atomic<std::uint64_t> latest_generation_ { 0 };
    std::atomic<std::size_t> server_index_ { 0 };
    std::atomic<bool> quit_ { false };
    std::atomic<int> link_state_ { state_connecting };

    std::mutex threads_mutex_;
    std::condition_variable threads_done_;
    std::size_t threads_ = 0;

    frame_record login_record_; // msg_login_ok points here; used on the I/O thread only
    std::function<void(const frame_record&)> file_chunk_handler_;
    std::vector<bus::Token> tokens_;
};

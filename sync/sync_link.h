// The process-wide facade of the sync connection: credentials, link state, the current
// connection, and the bus handler that turns connection events and login replies into state.
#pragma once

#include "sync/frame_record.h"
#include "sync/server_list.h"
#include "sync/sync_connection.h"
#include "sync/sync_timing.h"

#include "core/message_bus.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
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
    // Shutdown and unregister. Safe from any thread, a bus handler on a connection's I/O
    // thread included: a handler still running keeps what it uses alive.
    ~sync_link();

    sync_link(const sync_link&) = delete;
    sync_link& operator=(const sync_link&) = delete;

    // Registers OnMessage for msg_net_connected, msg_net_received and msg_net_failed, in this
    // order, once: later calls do nothing. Called after the login page registered its own.
    void RegisterHandlers();

    // Stores the credentials, state connecting, a new connection after the connect delay.
    void Connect(const std::string& account, const std::string& digest);
    // Replaces the current connection (stopped at once) by a new one that starts after delay.
    void Reconnect(std::chrono::milliseconds delay);

    // Only while logged in; false when nothing was queued.
    bool Send(const char* payload, std::size_t length, std::string_view tag, std::uint8_t kind);
    // Through the current connection whatever the link state; the server answers by reply.
    bool SendRegister(std::string_view account, std::string_view password);

    // A refusal text from the server sets state refused and posts msg_login_refused.
    std::int64_t OnMessage(std::int64_t id, std::int64_t a, std::int64_t b);

    // Program exit: quit flag, state lost, the connection stopped. Returns at once whatever
    // the state; the connection's I/O thread ends on its own right after.
    void Shutdown();

    int LinkState() const;
    // The account of the last Connect.
    std::string Account() const;
    std::shared_ptr<sync_connection> Current() const;

    // Received file chunks (kind 7) go here; set before connecting.
    void SetFileChunkHandler(std::function<void(const frame_record&)> handler);

private:
    // Everything the bus handlers use. They hold it only while they run, so destroying the
    // link never waits for them and never pulls state from under them.
    struct core;

    std::shared_ptr<core> core_;
    std::vector<bus::Token> tokens_;
};

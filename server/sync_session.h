// One client connection: reads and cuts frames, hands slow requests to the workers one at a
// time (so replies keep the order of requests), writes replies, and closes connections that
// send no whole frame for the idle timeout, take too long to finish a frame, or do not read
// their replies. A real account's connection also exchanges the history: its requests go to
// the history workers in order, and what it is sent streams from an outgoing queue.
#pragma once

#include "server/account_sessions.h"
#include "server/connection_limits.h"
#include "server/history_channel.h"
#include "server/history_service.h"
#include "server/outgoing_queue.h"
#include "server/request_handler.h"
#include "server/request_reader.h"
#include "server/server_log.h"
#include "server/task_workers.h"

#include <asio.hpp>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace syncd {

struct session_context {
    request_handler& handler;
    task_workers& workers; // logins and the rest
    task_workers& register_workers;
    task_workers& history_workers; // file writes and reads, the history database
    history_service& history;
    account_sessions& sessions;
    connection_limits& limits;
    std::chrono::milliseconds idle_timeout;
    std::chrono::milliseconds frame_deadline;
    std::size_t max_send_queue; // bytes; one more frame is let in
    std::chrono::seconds log_fold;
    std::chrono::milliseconds notify_spacing; // between two notifications to one client
};

class sync_session : public std::enable_shared_from_this<sync_session>, public push_target {
public:
    // The connection was counted in ctx.limits under address; the session releases it.
    sync_session(asio::ip::tcp::socket socket, std::string address, session_context& ctx);
    ~sync_session() override;

    void start();
    // From any thread: a batch the account's other machines sent.
    void Push(std::shared_ptr<const outgoing_batch> batch) override;

private:
    struct outgoing_state;

    void wait_readable();
    void on_readable(const asio::error_code& error);
    void handle(std::vector<sync_request>& requests);
    void Queue(sync_request request);
    void run_next_task();
    void RunHistoryTask(sync_request request);
    void finish(const request_outcome& outcome);
    void ChangeAccount(const std::string& account);
    void ApplyHistory(history_reply& reply);
    void IgnoreData();
    void Enqueue(std::shared_ptr<const outgoing_batch> batch, bool pushed);
    void FillOutbox();
    void ReadBlock();
    bool OutgoingFull() const;
    bool ReadingHeldBack() const;
    void ResumeReading();
    void send(const frame_buffer& message);
    void write_next();
    void note_read(std::size_t frames, std::chrono::steady_clock::time_point now);
    std::chrono::steady_clock::time_point deadline() const;
    void arm_timer(std::chrono::steady_clock::time_point at);
    void on_timer();
    void ReleaseChannel();
    void close();

    asio::ip::tcp::socket socket_;
    asio::steady_timer idle_timer_;
    std::chrono::steady_clock::time_point timer_at_;
    request_reader reader_;
    std::string address_;
    std::string account_;
    session_context& ctx_;
    folded_log log_;
    std::chrono::steady_clock::time_point last_frame_; // or the start
    std::chrono::steady_clock::time_point partial_since_; // first byte of the frame under way
    bool partial_ = false;

    // Kept in vectors: an empty vector costs nothing, and thousands of idle sessions wait.
    std::vector<sync_request> pending_;
    std::size_t pending_plain_ = 0; // of pending_, the requests that are no history
    std::size_t pending_bytes_ = 0; // data of the history requests in pending_
    bool task_running_ = false;
    bool reading_paused_ = false;
    // Replies wait in one string each side of the write under way, and both go when idle.
    std::string outbox_;
    std::string in_flight_;
    bool writing_ = false;
    bool queue_was_large_ = false;
    bool close_after_write_ = false;
    bool closed_ = false;

    // Made once a real account logs in; idle connections of the shared account hold none.
    std::shared_ptr<history_channel> channel_;
    std::unique_ptr<outgoing_state> outgoing_;
};

} // namespace syncd

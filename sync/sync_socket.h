// The socket of one connection: a read buffer, a queue of outgoing frames with one write in
// flight, and the parser. Everything but Write runs on the connection's I/O thread.
#pragma once

#include "sync/frame_buffer.h"
#include "sync/frame_parser.h"

#include <asio.hpp>

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>

class sync_socket {
public:
    // on_connected runs on the I/O thread before msg_net_connected is posted.
    sync_socket(asio::io_context& io, std::function<void()> on_connected);

    void Connect(const asio::ip::tcp::resolver::results_type& endpoints);

    // Thread-safe: a copy of message goes to the I/O thread's queue.
    void Write(const frame_buffer& message);

    // Closes the socket on the I/O thread; nothing is reported for a close asked for.
    void Close();

    static constexpr std::size_t read_size = 2048;

private:
    void DoRead();
    void DoWrite();
    void Fail(bool check_refusal);

    asio::io_context& io_;
    asio::ip::tcp::socket socket_;
    std::function<void()> on_connected_;
    char read_buffer_[read_size + 1] = {};
    std::deque<frame_buffer> write_queue_;
    std::mutex write_mutex_;
    // The parser belongs to the connection: half a frame from a lost connection must not
    // prefix the first frame of the next one.
    frame_parser parser_;
    frame_record received_; // msg_net_received points here during the post
    bool have_received_ = false;
    std::atomic<bool> closing_ { false };
};

// The socket of one connection: a read buffer, a queue of outgoing frames with one write in
// flight, and the parser. Everything but Write and Close runs on the connection's I/O thread.
#pragma once

#include "sync/frame_buffer.h"
#include "sync/frame_parser.h"

#include <asio.hpp>

#include <atomic>
#include <deque>
#include <functional>
#include <memory>

class sync_socket {
public:
    // keep, given to every asynchronous operation below, is the owner of this socket: the
    // handlers hold it, so the socket outlives every operation in flight.
    using keeper = std::shared_ptr<void>;

    explicit sync_socket(asio::io_context& io);

    // connected runs on the I/O thread once the connection is up, after msg_net_connected.
    void Connect(const asio::ip::tcp::resolver::results_type& endpoints, keeper keep,
        std::function<void()> connected);

    // Thread-safe: a copy of message goes to the I/O thread's queue. Does nothing once closed.
    void Write(const frame_buffer& message, const keeper& keep);

    // Thread-safe. The socket is closed on the I/O thread and nothing more is posted on the
    // bus. True for the call that closed it, so that exactly one failure is reported.
    bool Close(keeper keep);
    // For the owner's destructor, when no operation is in flight any more.
    void MarkClosed() { closing_ = true; }

    bool connected() const { return connected_.load(); }
    bool closing() const { return closing_.load(); }

    static constexpr std::size_t read_size = 2048;

private:
    void DoRead(keeper keep);
    void DoWrite(keeper keep);
    void Fail(bool check_refusal);

    asio::io_context& io_;
    asio::ip::tcp::socket socket_;
    char read_buffer_[read_size + 1] = {};
    std::deque<frame_buffer> write_queue_;
    // The parser belongs to the connection: half a frame from a lost connection must not
    // prefix the first frame of the next one.
    frame_parser parser_;
    frame_record received_; // msg_net_received points here during the post
    bool have_received_ = false;
    std::atomic<bool> connected_ { false };
    std::atomic<bool> closing_ { false };
};

#include "sync/sync_socket.h"

#include "core/message_bus.h"
#include "core/message_ids.h"
#include "sync/reply_texts.h"

sync_socket::sync_socket(asio::io_context& io, std::function<void()> on_connected)
    : io_(io)
    , socket_(io)
    , on_connected_(std::move(on_connected))
{
}

void sync_socket::Connect(const asio::ip::tcp::resolver::results_type& endpoints)
{
    asio::async_connect(
        socket_, endpoints, [this](const asio::error_code& error, const asio::ip::tcp::endpoint&) {
            if (closing_)
                return;
            if (error) {
                bus::Post(msg_net_failed, 0, 0);
                return;
            }
            if (on_connected_)
                on_connected_();
            bus::Post(msg_net_connected, 0, 0);
            DoRead();
        });
}

void sync_socket::Write(const frame_buffer& message)
{
    std::lock_guard<std::mutex> lock(write_mutex_);
    asio::post(io_, [this, message] {
        const bool idle = write_queue_.empty();
        write_queue_.push_back(message);
        if (idle)
            DoWrite();
    });
}

void sync_socket::Close()
{
    closing_ = true;
    asio::post(io_, [this] {
        asio::error_code ignored;
        socket_.close(ignored);
    });
}

void sync_socket::DoRead()
{
    socket_.async_read_some(asio::buffer(read_buffer_, read_size),
        [this](const asio::error_code& error, std::size_t n) {
            if (closing_)
                return;
            if (error) {
                Fail(true);
                return;
            }
            parser_.cut_frames(read_buffer_, n, [this](const frame_view& frame) {
                received_.assign(frame);
                have_received_ = true;
                bus::Post(msg_net_received, reinterpret_cast<std::int64_t>(&received_), 0);
            });
            if (!closing_)
                DoRead();
        });
}

void sync_socket::DoWrite()
{
    const frame_buffer& front = write_queue_.front();
    asio::async_write(socket_, asio::buffer(front.data(), front.length()),
        [this](const asio::error_code& error, std::size_t) {
            if (closing_)
                return;
            if (error) {
                Fail(false);
                return;
            }
            write_queue_.pop_front();
            if (!write_queue_.empty())
                DoWrite();
        });
}

void sync_socket::Fail(bool check_refusal)
{
    closing_ = true;
    asio::error_code ignored;
    socket_.close(ignored);
    // A server that refused us said why before closing; reconnecting would only repeat it.
    if (check_refusal && have_received_ && wire::is_refusal_text(received_.payload_view()))
        return;
    bus::Post(msg_net_failed, 0, 0);
}

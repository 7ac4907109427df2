#include "sync/sync_socket.h"

#include "core/message_bus.h"
#include "core/message_ids.h"
#include "sync/reply_texts.h"

sync_socket::sync_socket(asio::io_context& io)
    : io_(io)
    , socket_(io)
{
}

void sync_socket::Connect(const asio::ip::tcp::resolver::results_type& endpoints, keeper keep,
    std::function<void()> connected)
{
    asio::async_connect(socket_, endpoints,
        [this, keep, connected = std::move(connected)](
            const asio::error_code& error, const asio::ip::tcp::endpoint&) {
            if (closing_)
                return;
            if (error) {
                Fail(false);
                return;
            }
            connected_ = true;
            bus::Post(msg_net_connected, 0, 0);
            if (closing_)
                return;
            if (connected)
                connected();
            if (!closing_)
                DoRead(keep);
        });
}

void sync_socket::Write(const frame_buffer& message, const keeper& keep)
{
    if (closing_)
        return;
    // A weak hold: a write posted while the I/O thread is ending would otherwise stay queued
    // and keep its owner (and with it the io_context) alive forever.
    asio::post(io_, [this, weak = std::weak_ptr<void>(keep), message] {
        auto owner = weak.lock();
        if (!owner || closing_)
            return;
        const bool idle = write_queue_.empty();
        write_queue_.push_back(message);
        if (idle)
            DoWrite(std::move(owner));
    });
}

bool sync_socket::Close(keeper keep)
{
    if (closing_.exchange(true))
        return false;
    asio::post(io_, [this, keep] {
        asio::error_code ignored;
        socket_.close(ignored);
    });
    return true;
}

void sync_socket::DoRead(keeper keep)
{
    socket_.async_read_some(asio::buffer(read_buffer_, read_size),
        [this, keep](const asio::error_code& error, std::size_t n) {
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
                DoRead(keep);
        });
}

void sync_socket::DoWrite(keeper keep)
{
    const frame_buffer& front = write_queue_.front();
    asio::async_write(socket_, asio::buffer(front.data(), front.length()),
        [this, keep](const asio::error_code& error, std::size_t) {
            if (closing_)
                return;
            if (error) {
                Fail(false);
                return;
            }
            write_queue_.pop_front();
            if (!write_queue_.empty())
                DoWrite(keep);
        });
}

void sync_socket::Fail(bool check_refusal)
{
    if (closing_.exchange(true))
        return;
    asio::error_code ignored;
    socket_.close(ignored);
    // A server that refused us said why before closing; reconnecting would only repeat it.
    if (check_refusal && have_received_ && wire::is_refusal_text(received_.payload_view()))
        return;
    bus::Post(msg_net_failed, 0, 0);
}

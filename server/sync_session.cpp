#include "server/sync_session.h"

#include "server/server_log.h"

namespace syncd {

namespace {

// Requests beyond this many waiting for a worker mean a client that floods us.
constexpr std::size_t max_pending_requests = 32;
constexpr std::size_t read_chunk = 2048;
constexpr int max_reads_per_turn = 16;

} // namespace

sync_session::sync_session(asio::ip::tcp::socket socket, std::string address, session_context& ctx)
    : socket_(std::move(socket))
    , idle_timer_(socket_.get_executor())
    , address_(std::move(address))
    , ctx_(ctx)
{
}

sync_session::~sync_session()
{
    ctx_.limits.release(address_);
}

void sync_session::start()
{
    asio::error_code ignored;
    socket_.non_blocking(true, ignored);
    last_active_ = std::chrono::steady_clock::now();
    arm_idle_timer(last_active_ + ctx_.idle_timeout);
    wait_readable();
}

// Waiting for readiness instead of reading into a buffer of our own: an idle connection then
// holds no read buffer; the bytes go through one buffer per I/O thread.
void sync_session::wait_readable()
{
    socket_.async_wait(asio::ip::tcp::socket::wait_read,
        [self = shared_from_this()](const asio::error_code& error) { self->on_readable(error); });
}

void sync_session::on_readable(const asio::error_code& error)
{
    if (closed_)
        return;
    if (error) {
        close();
        return;
    }
    // The reactor reports readiness once per arrival, so read until the socket is empty; a
    // few reads per turn keep one busy client from holding the thread.
    thread_local char buffer[read_chunk];
    for (int turn = 0; turn < max_reads_per_turn; ++turn) {
        asio::error_code read_error;
        const std::size_t count = socket_.read_some(asio::buffer(buffer), read_error);
        if (read_error == asio::error::would_block || read_error == asio::error::try_again) {
            wait_readable();
            return;
        }
        if (read_error) {
            close(); // end of stream or reset
            return;
        }
        last_active_ = std::chrono::steady_clock::now();
        std::vector<sync_request> requests;
        reader_.read(buffer, count, requests);
        reader_.release_idle_buffer();
        handle(requests);
        if (closed_ || close_after_write_)
            return; // nothing more is read from a refused client
    }
    asio::post(socket_.get_executor(),
        [self = shared_from_this()] { self->on_readable(asio::error_code()); });
}

void sync_session::handle(std::vector<sync_request>& requests)
{
    for (auto& request : requests) {
        if (close_after_write_)
            return; // refused: nothing more is answered
        if (request_handler::is_slow(request) || task_running_) {
            if (pending_.size() >= max_pending_requests) {
                log_event("too many requests waiting, closing from=" + address_);
                close();
                return;
            }
            pending_.push_back(std::move(request));
            continue;
        }
        finish(ctx_.handler.handle(request, address_, account_));
    }
    run_next_task();
}

void sync_session::run_next_task()
{
    if (task_running_ || pending_.empty() || closed_)
        return;
    task_running_ = true;
    sync_request request = std::move(pending_.front());
    pending_.erase(pending_.begin());
    if (pending_.empty())
        pending_.shrink_to_fit();
    // The worker sees copies only; the session's own fields stay on its I/O thread.
    ctx_.workers.submit([self = shared_from_this(), request = std::move(request),
                            address = address_, account = account_] {
        auto outcome = std::make_shared<request_outcome>(
            self->ctx_.handler.handle(request, address, account));
        asio::post(self->socket_.get_executor(), [self, outcome] {
            self->task_running_ = false;
            if (self->closed_)
                return;
            self->finish(*outcome);
            self->run_next_task();
        });
    });
}

void sync_session::finish(const request_outcome& outcome)
{
    if (!outcome.logged_in.empty())
        account_ = outcome.logged_in;
    if (outcome.has_reply)
        send(outcome.reply);
    if (outcome.close) {
        close_after_write_ = true;
        pending_.clear();
        if (!writing_)
            close();
    }
}

void sync_session::send(const frame_buffer& message)
{
    outbox_.emplace_back(message.data(), message.length());
    if (!writing_)
        write_next();
}

void sync_session::write_next()
{
    if (outbox_.empty()) {
        writing_ = false;
        in_flight_.clear();
        in_flight_.shrink_to_fit();
        outbox_.shrink_to_fit();
        if (close_after_write_)
            close();
        return;
    }
    writing_ = true;
    in_flight_ = std::move(outbox_.front());
    outbox_.erase(outbox_.begin());
    asio::async_write(socket_, asio::buffer(in_flight_),
        [self = shared_from_this()](const asio::error_code& error, std::size_t) {
            if (error) {
                self->close();
                return;
            }
            self->write_next();
        });
}

void sync_session::arm_idle_timer(std::chrono::steady_clock::time_point deadline)
{
    idle_timer_.expires_at(deadline);
    idle_timer_.async_wait([self = shared_from_this()](const asio::error_code& error) {
        if (error || self->closed_)
            return;
        // Reads only move last_active_; the timer looks at it when it fires.
        const auto deadline = self->last_active_ + self->ctx_.idle_timeout;
        if (std::chrono::steady_clock::now() >= deadline) {
            log_event(
                "closing silent connection account=" + self->account_ + " from=" + self->address_);
            self->close();
            return;
        }
        self->arm_idle_timer(deadline);
    });
}

void sync_session::close()
{
    if (closed_)
        return;
    closed_ = true;
    pending_.clear();
    asio::error_code ignored;
    idle_timer_.cancel();
    socket_.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
    socket_.close(ignored);
}

} // namespace syncd

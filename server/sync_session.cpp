#include "server/sync_session.h"

#include "sync/anonymous_account.h"
#include "sync/frame_builder.h"
#include "sync/reply_texts.h"
#include "sync/wire_format.h"
#include "sync/wire_kinds.h"

#include <malloc.h>

#include <algorithm>
#include <atomic>

namespace syncd {

namespace {

using clock = std::chrono::steady_clock;

// Requests beyond this many waiting for a worker mean a client that floods us.
constexpr std::size_t max_pending_requests = 32;
// History requests beyond these hold reading back until the workers catch up: a client
// sending a large file faster than the disk takes it is slowed, not dropped.
constexpr std::size_t max_pending_history = 64;
constexpr std::size_t max_pending_history_bytes = 256 * 1024;
// File pieces queued behind one another join into one request up to this size.
constexpr std::size_t joined_piece_bytes = 64 * 1024;
constexpr std::size_t read_chunk = 2048;
constexpr int max_reads_per_turn = 16;
// A send queue above this makes the allocator worth asking to give memory back once the
// connection goes; at most once a second, as the call walks the whole heap.
constexpr std::size_t large_queue = 64 * 1024;

void return_memory_now_and_then()
{
    static std::atomic<clock::rep> last { 0 };
    const auto now = clock::now().time_since_epoch().count();
    auto seen = last.load();
    const auto second
        = std::chrono::duration_cast<clock::duration>(std::chrono::seconds(1)).count();
    if (now - seen < second || !last.compare_exchange_strong(seen, now))
        return;
    malloc_trim(0);
}

bool IsFilePiece(const sync_request& request)
{
    return request.kind == wire::kind_file_chunk || request.kind == wire::kind_index_upload;
}

// Files that wait behind others are read from disk when their turn comes instead of being
// held in memory meanwhile.
std::shared_ptr<const outgoing_batch> WithoutStoredBytes(const outgoing_batch& batch)
{
    auto lean = std::make_shared<outgoing_batch>(batch);
    for (auto& file : lean->files)
        if (!file.path.empty())
            file.data.reset();
    return lean;
}

} // namespace

struct sync_session::outgoing_state {
    outgoing_state(
        const asio::any_io_executor& executor, std::chrono::milliseconds spacing, std::size_t block)
        : queue(spacing, block)
        , gate(executor)
    {
    }
    outgoing_queue queue;
    asio::steady_timer gate;
    bool gate_armed = false;
};

sync_session::sync_session(asio::ip::tcp::socket socket, std::string address, session_context& ctx)
    : socket_(std::move(socket))
    , idle_timer_(socket_.get_executor())
    , address_(std::move(address))
    , ctx_(ctx)
    , log_(address_, ctx.log_fold)
{
}

sync_session::~sync_session()
{
    if (channel_)
        ctx_.sessions.Leave(account_, this);
    ctx_.limits.release(address_);
    if (queue_was_large_)
        return_memory_now_and_then();
}

void sync_session::start()
{
    asio::error_code ignored;
    socket_.non_blocking(true, ignored);
    last_frame_ = clock::now();
    arm_timer(deadline());
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
        if (ReadingHeldBack()) {
            reading_paused_ = true; // ResumeReading goes on
            return;
        }
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
        std::vector<sync_request> requests;
        reader_.read(buffer, count, requests);
        reader_.release_idle_buffer();
        note_read(requests.size(), clock::now());
        handle(requests);
        if (closed_ || close_after_write_)
            return; // nothing more is read from a refused client
    }
    asio::post(socket_.get_executor(),
        [self = shared_from_this()] { self->on_readable(asio::error_code()); });
}

bool sync_session::OutgoingFull() const
{
    return outgoing_ && outgoing_->queue.cost() > ctx_.max_send_queue;
}

bool sync_session::ReadingHeldBack() const
{
    return pending_.size() - pending_plain_ > max_pending_history
        || pending_bytes_ > max_pending_history_bytes || OutgoingFull();
}

void sync_session::ResumeReading()
{
    if (!reading_paused_ || closed_ || close_after_write_ || ReadingHeldBack())
        return;
    reading_paused_ = false;
    if (partial_)
        partial_since_ = clock::now(); // the frame was held back by us, not by the client
    asio::post(socket_.get_executor(),
        [self = shared_from_this()] { self->on_readable(asio::error_code()); });
}

// Only whole frames count as activity: a client dripping bytes must finish its frame within
// the frame deadline, counted from the frame's first byte.
void sync_session::note_read(std::size_t frames, clock::time_point now)
{
    log_.dropped(reader_.take_dropped_bytes(), now);
    if (frames > 0)
        last_frame_ = now;
    if (reader_.buffered() == 0) {
        partial_ = false;
    } else if (frames > 0 || !partial_) {
        partial_ = true;
        partial_since_ = now;
    }
    const auto due = deadline();
    if (due < timer_at_)
        arm_timer(due);
}

clock::time_point sync_session::deadline() const
{
    const auto idle = last_frame_ + ctx_.idle_timeout;
    return partial_ && !reading_paused_ ? std::min(idle, partial_since_ + ctx_.frame_deadline)
                                        : idle;
}

void sync_session::handle(std::vector<sync_request>& requests)
{
    for (auto& request : requests) {
        if (close_after_write_)
            return; // refused: nothing more is answered
        if (request.what == sync_request::type::history) {
            // Behind a login that is still being checked, the account is not known yet.
            if (!task_running_ && pending_.empty() && !channel_)
                IgnoreData();
            else
                Queue(std::move(request));
            continue;
        }
        if (request_handler::is_slow(request) || task_running_ || !pending_.empty()) {
            if (pending_plain_ >= max_pending_requests) {
                log_.event("too many requests waiting, closing from=" + address_, clock::now());
                close();
                return;
            }
            Queue(std::move(request));
            continue;
        }
        finish(ctx_.handler.handle(request, address_, account_));
    }
    run_next_task();
}

void sync_session::Queue(sync_request request)
{
    if (request.what != sync_request::type::history) {
        ++pending_plain_;
        pending_.push_back(std::move(request));
        return;
    }
    if (!pending_.empty() && IsFilePiece(request) && request.tag.size() > 1) {
        sync_request& last = pending_.back();
        const char step = request.tag[0];
        if (last.what == sync_request::type::history && last.kind == request.kind
            && !last.ends_upload && last.tag.size() > 1 && last.tag[0] != wire::step_end
            && last.tag.compare(1, std::string::npos, request.tag, 1) == 0
            && last.payload.size() < joined_piece_bytes) {
            if (step == wire::step_next) {
                last.payload += request.payload;
                pending_bytes_ += request.payload.size();
                return;
            }
            if (step == wire::step_end) {
                last.ends_upload = true;
                return;
            }
        }
    }
    pending_bytes_ += request.payload.size();
    pending_.push_back(std::move(request));
}

void sync_session::run_next_task()
{
    while (!task_running_ && !pending_.empty() && !closed_ && !close_after_write_) {
        // Answers wait until the client has taken most of what it was sent.
        if (pending_.front().what == sync_request::type::history && OutgoingFull())
            break;
        sync_request request = std::move(pending_.front());
        pending_.erase(pending_.begin());
        if (pending_.empty())
            pending_.shrink_to_fit();
        if (request.what == sync_request::type::history) {
            pending_bytes_ -= std::min(pending_bytes_, request.payload.size());
            if (!channel_) {
                IgnoreData();
                continue;
            }
            RunHistoryTask(std::move(request));
            break;
        }
        --pending_plain_;
        task_running_ = true;
        task_workers& workers
            = request_handler::is_register(request) ? ctx_.register_workers : ctx_.workers;
        // The worker sees copies only; the session's own fields stay on its I/O thread.
        workers.submit([self = shared_from_this(), request = std::move(request), address = address_,
                           account = account_] {
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
    ResumeReading();
}

void sync_session::RunHistoryTask(sync_request request)
{
    task_running_ = true;
    ctx_.history_workers.submit([self = shared_from_this(), channel = channel_,
                                    request = std::move(request)] {
        auto reply = std::make_shared<history_reply>(self->ctx_.history.Handle(*channel, request));
        asio::post(self->socket_.get_executor(), [self, reply] {
            self->task_running_ = false;
            if (self->closed_)
                return;
            self->ApplyHistory(*reply);
            self->run_next_task();
        });
    });
}

void sync_session::IgnoreData()
{
    // Nothing of the shared account is kept: it is everyone's, and so nobody's.
    log_.event(std::string("history data ignored: ")
            + (account_.empty() ? "not logged in" : "the shared account") + ", from=" + address_,
        clock::now());
}

void sync_session::ApplyHistory(history_reply& reply)
{
    for (const auto& line : reply.log_lines)
        log_.event(line + " from=" + address_, clock::now());
    if (reply.refuse_money) {
        frame_buffer refusal;
        if (outgoing_)
            outgoing_->queue.Clear();
        if (wire::build_refusal(refusal, wire::kind_login, wire::refusal_money))
            send(refusal);
        request_outcome outcome;
        outcome.close = true;
        finish(outcome);
        return;
    }
    for (auto& batch : reply.batches)
        Enqueue(std::move(batch), false);
}

void sync_session::finish(const request_outcome& outcome)
{
    if (!outcome.log_line.empty())
        log_.event(outcome.log_line, clock::now());
    if (!outcome.logged_in.empty())
        ChangeAccount(outcome.logged_in);
    if (outcome.has_reply)
        send(outcome.reply);
    if (closed_)
        return;
    if (outcome.close) {
        close_after_write_ = true;
        pending_.clear();
        pending_plain_ = pending_bytes_ = 0;
        if (!writing_)
            close();
    }
}

void sync_session::ChangeAccount(const std::string& account)
{
    if (channel_) {
        ctx_.sessions.Leave(account_, this);
        ReleaseChannel();
    }
    account_ = account;
    if (account_ == wire::anonymous_account)
        return;
    channel_ = std::make_shared<history_channel>(account_, this);
    ctx_.sessions.Join(account_, this, std::weak_ptr<push_target>(shared_from_this()));
}

// The channel may hold uploads to remove: that is disk work, done on a worker.
void sync_session::ReleaseChannel()
{
    if (!channel_)
        return;
    ctx_.history_workers.submit([channel = std::move(channel_)]() mutable { channel.reset(); });
    channel_.reset();
}

void sync_session::Push(std::shared_ptr<const outgoing_batch> batch)
{
    asio::post(socket_.get_executor(),
        [self = shared_from_this(), batch = std::move(batch)] { self->Enqueue(batch, true); });
}

void sync_session::Enqueue(std::shared_ptr<const outgoing_batch> batch, bool pushed)
{
    if (closed_ || close_after_write_)
        return;
    if (!outgoing_) {
        const std::size_t block = std::min<std::size_t>(64 * 1024, ctx_.max_send_queue / 2);
        outgoing_ = std::make_unique<outgoing_state>(
            socket_.get_executor(), ctx_.notify_spacing, std::max<std::size_t>(block, 1024));
    }
    if (pushed && !outgoing_->queue.empty())
        batch = WithoutStoredBytes(*batch);
    // What a client asked for itself holds its reading back; what others push, it must take
    // up, or it would hold their changes in memory for ever.
    if (pushed && outgoing_->queue.cost() + batch->Cost() > ctx_.max_send_queue) {
        log_.event("send queue over " + grouped_number(ctx_.max_send_queue)
                + " bytes, the client takes no pushes; closing account=" + account_
                + " from=" + address_,
            clock::now());
        close();
        return;
    }
    outgoing_->queue.Push(std::move(batch));
    if (!writing_)
        write_next();
}

void sync_session::FillOutbox()
{
    if (!outgoing_ || closed_ || close_after_write_)
        return;
    auto& out = *outgoing_;
    switch (out.queue.Fill(outbox_, out.queue.block_size(), clock::now())) {
    case outgoing_queue::status::read_block:
        ReadBlock();
        break;
    case outgoing_queue::status::gated:
        if (!out.gate_armed) {
            out.gate_armed = true;
            out.gate.expires_at(out.queue.GateUntil());
            out.gate.async_wait([self = shared_from_this()](const asio::error_code& error) {
                if (error || self->closed_ || !self->outgoing_)
                    return;
                self->outgoing_->gate_armed = false;
                if (!self->writing_)
                    self->write_next();
            });
        }
        break;
    default:
        break;
    }
    // A request may have waited for the queue to drain; it goes on from a handler of its own,
    // as this runs inside replies being sent.
    if (!task_running_ && !pending_.empty() && !OutgoingFull())
        asio::post(socket_.get_executor(), [self = shared_from_this()] { self->run_next_task(); });
    ResumeReading();
}

void sync_session::ReadBlock()
{
    auto reader = outgoing_->queue.Reader();
    const std::size_t size = outgoing_->queue.block_size();
    ctx_.history_workers.submit([self = shared_from_this(), reader, size] {
        auto block = std::make_shared<std::string>();
        bool eof = false;
        const bool ok = reader->Read(size, *block, eof);
        asio::post(self->socket_.get_executor(), [self, reader, block, eof, ok] {
            if (self->closed_ || !self->outgoing_)
                return;
            self->outgoing_->queue.Deliver(reader, std::move(*block), eof, !ok);
            if (!self->writing_)
                self->write_next();
        });
    });
}

void sync_session::send(const frame_buffer& message)
{
    const std::size_t queued = outbox_.size() + in_flight_.size();
    if (queued + message.length() > ctx_.max_send_queue + wire::max_frame) {
        log_.event("send queue over " + grouped_number(ctx_.max_send_queue)
                + " bytes, the client reads no replies; closing from=" + address_,
            clock::now());
        close();
        return;
    }
    outbox_.append(message.data(), message.length());
    queue_was_large_ = queue_was_large_ || queued + message.length() > large_queue;
    if (!writing_)
        write_next();
}

void sync_session::write_next()
{
    in_flight_.clear();
    FillOutbox();
    if (closed_)
        return;
    if (outbox_.empty()) {
        writing_ = false;
        std::string().swap(in_flight_);
        std::string().swap(outbox_);
        if (close_after_write_)
            close();
        return;
    }
    writing_ = true;
    queue_was_large_ = queue_was_large_ || outbox_.size() > large_queue;
    in_flight_.swap(outbox_); // all that waits goes in one write
    asio::async_write(socket_, asio::buffer(in_flight_),
        [self = shared_from_this()](const asio::error_code& error, std::size_t) {
            if (error) {
                self->close();
                return;
            }
            // While we hold its frames back, a client taking what we send is not silent.
            if (self->reading_paused_)
                self->last_frame_ = clock::now();
            self->write_next();
        });
}

void sync_session::arm_timer(clock::time_point at)
{
    timer_at_ = at;
    idle_timer_.expires_at(at); // cancels the wait before, whose handler then does nothing
    idle_timer_.async_wait([self = shared_from_this()](const asio::error_code& error) {
        if (!error && !self->closed_)
            self->on_timer();
    });
}

void sync_session::on_timer()
{
    const auto now = clock::now();
    if (partial_ && !reading_paused_ && now >= partial_since_ + ctx_.frame_deadline) {
        log_.event("frame not completed within the frame deadline, closing account=" + account_
                + " from=" + address_,
            now);
        close();
        return;
    }
    if (now >= last_frame_ + ctx_.idle_timeout) {
        log_.event("closing silent connection account=" + account_ + " from=" + address_, now);
        close();
        return;
    }
    arm_timer(deadline());
}

void sync_session::close()
{
    if (closed_)
        return;
    closed_ = true;
    pending_.clear();
    pending_plain_ = pending_bytes_ = 0;
    log_.flush(clock::now());
    asio::error_code ignored;
    idle_timer_.cancel();
    socket_.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
    socket_.close(ignored);
    std::string().swap(outbox_); // the write under way still needs in_flight_
    if (outgoing_) {
        outgoing_->gate.cancel();
        outgoing_->queue.Clear();
    }
    if (channel_) {
        ctx_.sessions.Leave(account_, this);
        ReleaseChannel();
    }
}

} // namespace syncd

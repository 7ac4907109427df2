#include "sync/sync_connection.h"

#include "core/message_bus.h"
#include "core/message_ids.h"
#include "sync/frame_builder.h"
#include "sync/wire_log.h"

std::atomic<int> sync_connection::live_io_threads_ { 0 };

sync_connection::sync_connection(sync_endpoint endpoint, std::size_t server_index,
    sync_timing timing, std::string account, std::string digest)
    : endpoint_(std::move(endpoint))
    , server_index_(server_index)
    , timing_(timing)
    , account_(std::move(account))
    , digest_(std::move(digest))
    , io_(std::make_shared<asio::io_context>(1))
    , work_(asio::make_work_guard(*io_))
    , socket_(*io_)
    , timer_(*io_)
{
}

std::shared_ptr<sync_connection> sync_connection::Create(sync_endpoint endpoint,
    std::size_t server_index, sync_timing timing, std::string account, std::string digest)
{
    std::shared_ptr<sync_connection> connection(new sync_connection(
        std::move(endpoint), server_index, timing, std::move(account), std::move(digest)));
    ++live_io_threads_;
    try {
        connection->io_thread_ = std::thread(
            &sync_connection::IoThread, connection->io_, connection->weak_from_this());
    } catch (...) {
        --live_io_threads_;
        throw;
    }
    connection->io_thread_id_ = connection->io_thread_.get_id();
    return connection;
}

sync_connection::~sync_connection()
{
    // Only reached when no handler holds the connection any more, so nothing of ours is in
    // flight and the I/O thread is about to run out of work.
    stopped_ = true;
    socket_.MarkClosed();
    work_.reset();
    if (io_thread_.joinable()) {
        // Released by a handler on the I/O thread: that thread cannot wait for itself. It
        // keeps the io_context alive and touches nothing of ours once the handler returns.
        if (io_thread_.get_id() == std::this_thread::get_id())
            io_thread_.detach();
        else
            io_thread_.join();
    }
}

void sync_connection::IoThread(
    std::shared_ptr<asio::io_context> io, std::weak_ptr<sync_connection> connection)
{
    for (;;) {
        std::string failure;
        try {
            io->run();
            break;
        } catch (const std::exception& e) {
            failure = e.what();
        } catch (...) {
            failure = "unknown exception";
        }
        // A handler threw (ours or a bus handler it posted to): the connection is dead, say
        // so on the bus; run() may simply go on for the cancelled operations.
        try {
            if (const auto self = connection.lock())
                self->Fail("Exception: " + failure);
            else
                wire::log_error("Exception: " + failure);
        } catch (const std::exception& e) {
            wire::log_error(std::string("Exception: ") + e.what());
        } catch (...) {
            wire::log_error("Exception: unknown exception");
        }
    }
    io.reset();
    --live_io_threads_;
}

void sync_connection::Start(std::chrono::milliseconds delay)
{
    // Posted from the caller's thread: the timer belongs to the I/O thread. A weak hold, so a
    // post that never runs cannot keep the connection alive.
    asio::post(*io_, [weak = weak_from_this(), delay] {
        const auto self = weak.lock();
        if (!self || self->stopped_)
            return;
        self->timer_.expires_after(delay);
        self->timer_.async_wait([self](const asio::error_code& error) {
            if (!error && !self->stopped_)
                self->Begin();
        });
    });
}

void sync_connection::Begin()
{
    active_ = true;
    const auto servers = server_list::LoadServers(endpoint_);
    if (servers.empty()) {
        wire::log_error("no sync server to connect to");
        Fail({});
        return;
    }
    const server_entry& entry = servers[server_index_ % servers.size()];
    {
        std::lock_guard<std::mutex> lock(server_mutex_);
        server_ = entry.host + ":" + entry.port;
    }
    asio::ip::tcp::resolver resolver(*io_);
    asio::error_code resolve_error;
    const auto endpoints = resolver.resolve(entry.host, entry.port, resolve_error);
    if (resolve_error) {
        wire::log_error("cannot resolve " + server() + ": " + resolve_error.message());
        Fail({});
        return;
    }
    const auto self = shared_from_this();
    socket_.Connect(endpoints, self, [self] { self->Connected(); });
    // A connect that hangs (a host that drops packets) must not leave the link waiting for
    // the system's own timeout of minutes.
    timer_.expires_after(timing_.connect_timeout);
    timer_.async_wait([self](const asio::error_code& error) {
        if (!error && !self->stopped_ && !self->socket_.connected())
            self->Fail("connect to " + self->server() + " timed out");
    });
}

void sync_connection::Connected()
{
    // Once per connection, at once: a slow link still logs in.
    frame_buffer login;
    if (wire::build_login(login, account_, digest_))
        socket_.Write(login, shared_from_this());
    Heartbeat();
}

void sync_connection::Heartbeat()
{
    timer_.expires_after(timing_.heartbeat_interval);
    timer_.async_wait([self = shared_from_this()](const asio::error_code& error) {
        if (error || self->stopped_)
            return;
        frame_buffer heartbeat;
        if (wire::build_heartbeat(heartbeat, self->digest_) && self->socket_.connected())
            self->socket_.Write(heartbeat, self);
        self->Heartbeat();
    });
}

void sync_connection::Fail(const std::string& reason)
{
    if (!reason.empty())
        wire::log_error(reason);
    active_ = false;
    timer_.cancel();
    if (socket_.Close(shared_from_this()) && !stopped_)
        bus::Post(msg_net_failed, 0, 0);
}

void sync_connection::Stop()
{
    if (stopped_.exchange(true))
        return;
    active_ = false;
    socket_.Close(shared_from_this());
    // Cancelling the timer and dropping the work guard let run() return once the cancelled
    // handlers have released the connection.
    asio::post(*io_, [self = shared_from_this()] {
        self->timer_.cancel();
        self->work_.reset();
    });
}

std::string sync_connection::server() const
{
    std::lock_guard<std::mutex> lock(server_mutex_);
    return server_;
}

bool sync_connection::SendFrame(
    const char* payload, std::size_t length, std::string_view tag, std::uint8_t kind)
{
    if (!connected() || socket_.closing())
        return false;
    frame_buffer message;
    if (!wire::build_frame(message, kind, account_, digest_, tag, payload, length))
        return false;
    socket_.Write(message, shared_from_this());
    return true;
}

bool sync_connection::SendRegister(std::string_view account, std::string_view password)
{
    if (!connected() || socket_.closing())
        return false;
    frame_buffer message;
    if (!wire::build_register(message, account, password))
        return false;
    socket_.Write(message, shared_from_this());
    return true;
}

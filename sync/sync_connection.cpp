#include "sync/sync_connection.h"

#include "core/message_bus.h"
#include "core/message_ids.h"
#include "sync/frame_builder.h"
#include "sync/wire_log.h"

#include <chrono>

sync_connection::sync_connection(
    sync_endpoint endpoint, std::size_t server_index, sync_timing timing)
    : endpoint_(std::move(endpoint))
    , server_index_(server_index)
    , timing_(timing)
    , io_(std::make_shared<asio::io_context>(1))
{
}

sync_connection::~sync_connection()
{
    Stop();
    StopLoop(); // Run may never have been called; the I/O thread must not outlive us
    socket_.reset();
}

void sync_connection::Start(const std::string& account, const std::string& digest)
{
    connected_ = -1;
    running_ = false;
    loop_active_ = false;
    created_ = false;
    account_ = account;
    digest_ = digest;
    socket_ = std::make_unique<sync_socket>(*io_, [this] { SetConnected(); });

    const auto servers = server_list::LoadServers(endpoint_);
    bool started = false;
    if (servers.empty()) {
        wire::log_error("no sync server to connect to");
    } else {
        const server_entry& entry = servers[server_index_ % servers.size()];
        server_ = entry.host + ":" + entry.port;
        asio::ip::tcp::resolver resolver(*io_);
        asio::error_code error;
        const auto endpoints = resolver.resolve(entry.host, entry.port, error);
        if (error) {
            wire::log_error("cannot resolve " + server_ + ": " + error.message());
        } else {
            socket_->Connect(endpoints);
            started = true;
        }
    }
    // No server to try counts as a failed connect, reported like one on the I/O thread.
    if (!started)
        asio::post(*io_, [] { bus::Post(msg_net_failed, 0, 0); });
    created_ = true;
}

bool sync_connection::Wait(std::chrono::milliseconds duration)
{
    return sleep_while(duration, [this] { return running_.load(); });
}

void sync_connection::Run(const std::string& account, const std::string& digest)
{
    if (loop_active_.exchange(true))
        return;
    try {
        work_ = std::make_unique<asio::executor_work_guard<asio::io_context::executor_type>>(
            io_->get_executor());
        io_thread_ = std::thread([io = io_] {
            try {
                io->run();
            } catch (const std::exception& e) {
                wire::log_error(std::string("Exception: ") + e.what());
            }
        });
        // Login once, if the connection is up when the login delay has passed.
        if (Wait(timing_.login_delay)) {
            frame_buffer login;
            if (wire::build_login(login, account, digest) && connected_ == 1)
                socket_->Write(login);
        }
        while (Wait(timing_.heartbeat_interval)) {
            frame_buffer heartbeat;
            if (wire::build_heartbeat(heartbeat, digest) && connected_ == 1)
                socket_->Write(heartbeat);
        }
    } catch (const std::exception& e) {
        wire::log_error(std::string("Exception: ") + e.what());
    }
    StopLoop();
}

void sync_connection::StopLoop()
{
    if (socket_)
        socket_->Close();
    work_.reset();
    io_->stop();
    if (io_thread_.joinable()) {
        // A stop reached from a handler on the I/O thread cannot wait for that thread.
        if (io_thread_.get_id() == std::this_thread::get_id())
            io_thread_.detach();
        else
            io_thread_.join();
    }
    loop_active_ = false;
    io_->stop();
}

void sync_connection::SetRunning()
{
    std::lock_guard<std::mutex> lock(stop_mutex_);
    if (!stopped_)
        running_ = true;
}

void sync_connection::Stop()
{
    std::lock_guard<std::mutex> lock(stop_mutex_);
    stopped_ = true;
    running_ = false;
    io_->stop();
    while (loop_active_)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

bool sync_connection::SendFrame(
    const char* payload, std::size_t length, std::string_view tag, std::uint8_t kind)
{
    if (connected_ != 1 || !socket_)
        return false;
    frame_buffer message;
    if (!wire::build_frame(message, kind, account_, digest_, tag, payload, length))
        return false;
    socket_->Write(message);
    return true;
}

bool sync_connection::SendRegister(std::string_view account, std::string_view password)
{
    if (connected_ != 1 || !socket_)
        return false;
    frame_buffer message;
    if (!wire::build_register(message, account, password))
        return false;
    socket_->Write(message);
    return true;
}

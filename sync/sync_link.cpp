#include "sync/sync_link.h"

#include "core/message_ids.h"
#include "sync/frame_builder.h"
#include "sync/reply_texts.h"
#include "sync/wire_kinds.h"
#include "sync/wire_log.h"

#include <chrono>
#include <thread>

sync_link& sync_link::instance()
{
    static sync_link the_instance;
    return the_instance;
}

sync_link::sync_link(sync_endpoint endpoint, sync_timing timing)
    : endpoint_(std::move(endpoint))
    , timing_(timing)
{
}

sync_link::~sync_link()
{
    Shutdown();
    for (auto token : tokens_)
        bus::Unregister(token);
}

void sync_link::RegisterHandlers()
{
    auto handler
        = [this](std::int64_t id, std::int64_t a, std::int64_t b) { return OnMessage(id, a, b); };
    for (auto id : { msg_net_connected, msg_net_received, msg_net_failed })
        tokens_.push_back(bus::Register(id, handler));
}

void sync_link::Connect(const std::string& account, const std::string& digest)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        account_ = account;
        digest_ = digest;
    }
    link_state_ = state_connecting;
    Reconnect(timing_.connect_delay);
}

void sync_link::Reconnect(std::chrono::milliseconds delay)
{
    if (quit_)
        return;
    std::uint64_t generation;
    std::string account, digest;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        generation = ++generation_;
        latest_generation_ = generation;
        account = account_;
        digest = digest_;
    }
    {
        std::lock_guard<std::mutex> lock(threads_mutex_);
        ++threads_;
    }
    try {
        std::thread([this, generation, delay, account, digest] {
            ConnectionThread(generation, delay, account, digest);
            ThreadDone();
        }).detach();
    } catch (const std::exception& e) {
        wire::log_error(std::string("Exception: ") + e.what());
        ThreadDone();
    }
}

void sync_link::ThreadDone()
{
    std::lock_guard<std::mutex> lock(threads_mutex_);
    --threads_;
    threads_done_.notify_all();
}

bool sync_link::Sleep(std::chrono::milliseconds duration, std::uint64_t generation)
{
    return sleep_while(
        duration, [this, generation] { return !quit_ && latest_generation_ == generation; });
}

void sync_link::StopCurrent()
{
    std::shared_ptr<sync_connection> current;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        current = current_;
    }
    if (current)
        current->Stop();
}

void sync_link::ConnectionThread(std::uint64_t generation, std::chrono::milliseconds delay,
    std::string account, std::string digest)
{
    try {
        StopCurrent();
        if (!Sleep(delay, generation))
            return; // a newer Connect or Reconnect took over
        auto connection
            = std::make_shared<sync_connection>(endpoint_, server_index_.load(), timing_);
        connection->Start(account, digest);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            // Two threads may overlap; only the newest one may install its connection.
            if (quit_ || generation != generation_)
                return;
            current_ = connection;
        }
        if (connection->created()) {
            connection->SetRunning();
            connection->Run(account, digest);
        }
    } catch (const std::exception& e) {
        wire::log_error(std::string("Exception: ") + e.what());
    }
}

bool sync_link::Send(
    const char* payload, std::size_t length, std::string_view tag, std::uint8_t kind)
{
    if (link_state_ != state_logged_in)
        return false;
    const auto current = Current();
    return current && current->SendFrame(payload, length, tag, kind);
}

bool sync_link::SendRegister(std::string_view account, std::string_view password)
{
    const auto current = Current();
    return current && current->SendRegister(account, password);
}

std::shared_ptr<sync_connection> sync_link::Current() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return current_;
}

void sync_link::SetFileChunkHandler(std::function<void(const frame_record&)> handler)
{
    std::lock_guard<std::mutex> lock(mutex_);
    file_chunk_handler_ = std::move(handler);
}

std::int64_t sync_link::OnMessage(std::int64_t id, std::int64_t a, std::int64_t)
{
    if (quit_)
        return 0;
    try {
        if (id == msg_net_connected) {
            if (const auto current = Current())
                current->SetConnected();
        } else if (id == msg_net_failed) {
            if (link_state_ == state_refused)
                return 0;
            link_state_ = state_lost;
            wire::log_info("reset link now...");
            // The next attempt goes to the next server of the list.
            ++server_index_;
            Reconnect(timing_.connect_delay);
            // Holding the I/O thread delays the new connection (it waits for this thread),
            // so a server that drops everyone is not hammered.
            sleep_while(timing_.failure_hold, [this] { return !quit_.load(); });
        } else if (id == msg_net_received && a != 0) {
            const auto& record = *reinterpret_cast<const frame_record*>(a);
            if (record.kind == wire::kind_file_chunk) {
                std::function<void(const frame_record&)> handler;
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    handler = file_chunk_handler_;
                }
                if (handler)
                    handler(record);
                return 0;
            }
            const auto text = wire::reply_text(record.payload_view());
            if (!text) {
                wire::log_info("Error message!");
                return 0;
            }
            wire::log_info(*text);
            if (*text == wire::reply_login_success) {
                link_state_ = state_logged_in;
                login_record_.copy_from(record);
                bus::Post(msg_login_ok, reinterpret_cast<std::int64_t>(&login_record_), 0);
            } else if (*text == wire::reply_login_error) {
                link_state_ = state_refused;
                bus::Post(msg_login_failed, 0, 0);
            } else if (*text == wire::reply_quit_client) {
                link_state_ = state_refused;
                bus::Post(msg_client_quit, 0, 0);
            }
        }
    } catch (const std::exception& e) {
        wire::log_error(std::string("Exception: ") + e.what());
    }
    return 0;
}

void sync_link::Shutdown()
{
    quit_ = true;
    link_state_ = state_lost;
    StopCurrent();
    {
        std::unique_lock<std::mutex> lock(threads_mutex_);
        threads_done_.wait(lock, [this] { return threads_ == 0; });
    }
    std::lock_guard<std::mutex> lock(mutex_);
    current_.reset();
}

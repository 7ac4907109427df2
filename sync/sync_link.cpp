#include "sync/sync_link.h"

#include "core/message_ids.h"
#include "sync/frame_builder.h"
#include "sync/reply_texts.h"
#include "sync/wire_kinds.h"
#include "sync/wire_log.h"

#include <atomic>
#include <mutex>

struct sync_link::core {
    core(sync_endpoint endpoint, sync_timing timing)
        : endpoint_(std::move(endpoint))
        , timing_(timing)
    {
    }

    void Reconnect(std::chrono::milliseconds delay);
    void Shutdown();
    std::shared_ptr<sync_connection> Current() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return current_;
    }
    std::int64_t OnMessage(std::int64_t id, std::int64_t a);

    const sync_endpoint endpoint_;
    const sync_timing timing_;
    mutable std::mutex mutex_; // guards current_, the credentials and the chunk handler
    std::shared_ptr<sync_connection> current_;
    std::string account_;
    std::string digest_;
    std::function<void(const frame_record&)> file_chunk_handler_;
    std::atomic<std::size_t> server_index_ { 0 };
    std::atomic<bool> quit_ { false };
    std::atomic<int> link_state_ { state_connecting };
    frame_record login_record_; // msg_login_ok points here; used on the I/O thread only
};

void sync_link::core::Reconnect(std::chrono::milliseconds delay)
{
    std::shared_ptr<sync_connection> previous;
    try {
        std::lock_guard<std::mutex> lock(mutex_);
        if (quit_)
            return;
        auto next
            = sync_connection::Create(endpoint_, server_index_.load(), timing_, account_, digest_);
        next->Start(delay);
        previous = std::exchange(current_, std::move(next));
    } catch (const std::exception& e) {
        wire::log_error(std::string("Exception: ") + e.what());
    }
    if (previous)
        previous->Stop();
}

void sync_link::core::Shutdown()
{
    quit_ = true;
    link_state_ = state_lost;
    std::shared_ptr<sync_connection> previous;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        previous = std::move(current_);
    }
    if (previous)
        previous->Stop();
}

std::int64_t sync_link::core::OnMessage(std::int64_t id, std::int64_t a)
{
    if (quit_)
        return 0;
    // Exceptions are left to the I/O thread that posted: it turns them into msg_net_failed.
    if (id == msg_net_failed) {
        // Only the current connection's failure counts; a replaced one has nothing to report.
        const auto current = Current();
        if (!current || !current->OnIoThread())
            return 0;
        if (link_state_ == state_refused)
            return 0;
        link_state_ = state_lost;
        wire::log_info("reset link now...");
        // The next attempt goes to the next server of the list, after a back-off.
        ++server_index_;
        Reconnect(timing_.failure_hold + timing_.connect_delay);
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
        if (wire::is_refusal_text(record.payload_view())) {
            // The server closes the connection next; no reconnect would get further.
            link_state_ = state_refused;
            const std::string refusal(record.payload_view());
            bus::Post(msg_login_refused, reinterpret_cast<std::int64_t>(refusal.c_str()), 0);
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
    // msg_net_connected: the socket marked itself connected before posting it.
    return 0;
}

sync_link& sync_link::instance()
{
    static sync_link the_instance;
    return the_instance;
}

sync_link::sync_link(sync_endpoint endpoint, sync_timing timing)
    : core_(std::make_shared<core>(std::move(endpoint), timing))
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
    if (!tokens_.empty())
        return;
    auto handler = [weak = std::weak_ptr<core>(core_)](
                       std::int64_t id, std::int64_t a, std::int64_t) -> std::int64_t {
        const auto held = weak.lock();
        return held ? held->OnMessage(id, a) : 0;
    };
    for (auto id : { msg_net_connected, msg_net_received, msg_net_failed })
        tokens_.push_back(bus::Register(id, handler));
}

void sync_link::Connect(const std::string& account, const std::string& digest)
{
    {
        std::lock_guard<std::mutex> lock(core_->mutex_);
        core_->account_ = account;
        core_->digest_ = digest;
    }
    core_->link_state_ = state_connecting;
    core_->Reconnect(core_->timing_.connect_delay);
}

void sync_link::Reconnect(std::chrono::milliseconds delay)
{
    core_->Reconnect(delay);
}

bool sync_link::Send(
    const char* payload, std::size_t length, std::string_view tag, std::uint8_t kind)
{
    if (core_->link_state_ != state_logged_in)
        return false;
    const auto current = Current();
    return current && current->SendFrame(payload, length, tag, kind);
}

bool sync_link::SendRegister(std::string_view account, std::string_view password)
{
    const auto current = Current();
    return current && current->SendRegister(account, password);
}

std::int64_t sync_link::OnMessage(std::int64_t id, std::int64_t a, std::int64_t)
{
    return core_->OnMessage(id, a);
}

void sync_link::Shutdown()
{
    core_->Shutdown();
}

std::string sync_link::Account() const
{
    std::lock_guard<std::mutex> lock(core_->mutex_);
    return core_->account_;
}

int sync_link::LinkState() const
{
    return core_->link_state_.load();
}

std::shared_ptr<sync_connection> sync_link::Current() const
{
    return core_->Current();
}

void sync_link::SetFileChunkHandler(std::function<void(const frame_record&)> handler)
{
    std::lock_guard<std::mutex> lock(core_->mutex_);
    core_->file_chunk_handler_ = std::move(handler);
}

#include "server/sync_server.h"

#include "server/server_log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <filesystem>

namespace syncd {

namespace {

// Thousands of connections need thousands of descriptors; take what the system allows.
void raise_open_file_limit()
{
    rlimit limit {};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

} // namespace

std::string default_data_folder()
{
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return "syncd-data";
    return (program.parent_path() / "syncd-data").string();
}

sync_server::sync_server(server_options options)
    : options_(std::move(options))
{
}

sync_server::~sync_server()
{
    stop();
    // Workers finish first: their tasks post results to the (stopped) io_contexts. Then the
    // contexts go, and with their queued handlers the last sessions, which still release
    // their counts in limits_.
    history_workers_.reset();
    workers_.reset();
    register_workers_.reset();
    acceptor_.reset();
    signals_.reset();
    accept_retry_.reset();
    log_flush_.reset();
    {
        std::lock_guard<std::mutex> lock(stop_mutex_);
        guards_.clear();
    }
    contexts_.clear();
    flush_log();
    if (lock_fd_ >= 0)
        ::close(lock_fd_);
}

// Two servers on one folder would each count failures and limits of their own and write one
// database; the second one leaves. The lock goes with the process, however it ends.
bool sync_server::lock_data_folder(const std::string& folder)
{
    const std::string path = (std::filesystem::path(folder) / "syncd.lock").string();
    lock_fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (lock_fd_ < 0) {
        log_event("cannot open lock file " + path + ": " + std::strerror(errno));
        return false;
    }
    if (flock(lock_fd_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        log_event(error == EWOULDBLOCK ? "another quillbox-syncd is running on data folder "
                    + folder + ": it holds the lock file " + path
                                       : "cannot lock " + path + ": " + std::strerror(error));
        ::close(lock_fd_);
        lock_fd_ = -1;
        return false;
    }
    // The holder's pid, for the operator; nothing reads it.
    const std::string pid = std::to_string(getpid()) + "\n";
    if (ftruncate(lock_fd_, 0) == 0 && ::write(lock_fd_, pid.data(), pid.size()) < 0)
        log_event("cannot write the pid to " + path);
    return true;
}

void sync_server::flush_log_soon()
{
    log_flush_->expires_after(std::chrono::milliseconds(200));
    log_flush_->async_wait([this](const asio::error_code& error) {
        flush_log();
        if (!error)
            flush_log_soon();
    });
}

bool sync_server::start()
{
    raise_open_file_limit();
    const std::string folder
        = options_.data_folder.empty() ? default_data_folder() : options_.data_folder;
    std::error_code fs_error;
    std::filesystem::create_directories(folder, fs_error);
    if (fs_error) {
        log_event("cannot create data folder " + folder + ": " + fs_error.message());
        return false;
    }
    if (!lock_data_folder(folder)
        || !store_.open((std::filesystem::path(folder) / "accounts.db").string())
        || !history_store_.Open((std::filesystem::path(folder) / "history.db").string()))
        return false;
    files_ = std::make_unique<account_files>(folder);
    if (!files_->Prepare())
        return false;

    hasher_ = std::make_unique<password_hasher>(options_.hash_ops, options_.hash_memory_kb * 1024);
    if (!hasher_->ready()) {
        log_event("libsodium could not start");
        return false;
    }
    guard_ = std::make_unique<login_guard>(options_.max_failed_logins, std::chrono::seconds(60),
        options_.account_failures_before_delay, options_.account_delay_max);
    account_policy policy;
    if (!options_.min_version.empty())
        policy.min_version = client_version::from_text(options_.min_version);
    if (!options_.update_version.empty())
        policy.update_version = client_version::from_text(options_.update_version);
    policy.quota_bytes = options_.quota_mb * 1024 * 1024;
    service_ = std::make_unique<account_service>(store_, *hasher_, *guard_, policy);
    register_limits_ = std::make_unique<rate_limiter>(
        options_.register_per_minute, options_.register_total_per_minute);
    handler_ = std::make_unique<request_handler>(
        *service_, options_.log_heartbeats, register_limits_.get());
    history_limits limits;
    limits.max_entries = options_.max_entries;
    limits.quota_bytes = policy.quota_bytes;
    limits.max_file_bytes = options_.max_file_mb * 1024 * 1024;
    account_history_ = std::make_unique<account_history>(
        history_store_, *files_, &store_, limits.max_entries, limits.quota_bytes);
    history_ = std::make_unique<history_service>(*account_history_, *files_, sessions_, limits);
    workers_ = std::make_unique<task_workers>(options_.workers);
    register_workers_ = std::make_unique<task_workers>(options_.register_workers);
    history_workers_ = std::make_unique<task_workers>(options_.history_workers);
    limits_ = std::make_unique<connection_limits>(
        options_.max_connections, options_.max_connections_per_address);
    context_ = std::make_unique<session_context>(
        session_context { *handler_, *workers_, *register_workers_, *history_workers_, *history_,
            sessions_, *limits_, options_.idle_timeout,
            std::chrono::duration_cast<std::chrono::milliseconds>(options_.frame_deadline),
            options_.max_send_queue_kb * 1024, options_.log_fold, options_.notify_spacing });

    std::size_t threads = options_.threads;
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    for (std::size_t i = 0; i < threads; ++i) {
        contexts_.push_back(std::make_unique<asio::io_context>(1));
        guards_.push_back(asio::make_work_guard(*contexts_.back()));
    }

    asio::error_code error;
    const auto address = asio::ip::make_address(options_.listen_address, error);
    if (error) {
        log_event("bad listen address " + options_.listen_address);
        return false;
    }
    acceptor_ = std::make_unique<asio::ip::tcp::acceptor>(*contexts_[0]);
    const asio::ip::tcp::endpoint endpoint(address, options_.listen_port);
    acceptor_->open(endpoint.protocol(), error);
    if (!error)
        acceptor_->set_option(asio::socket_base::reuse_address(true), error);
    if (!error)
        acceptor_->bind(endpoint, error);
    if (!error)
        acceptor_->listen(asio::socket_base::max_listen_connections, error);
    if (error) {
        log_event("cannot listen on " + options_.listen_address + ":"
            + std::to_string(options_.listen_port) + ": " + error.message());
        return false;
    }
    port_ = acceptor_->local_endpoint(error).port();
    accept_retry_ = std::make_unique<asio::steady_timer>(*contexts_[0]);

    signals_ = std::make_unique<asio::signal_set>(*contexts_[0], SIGINT, SIGTERM);
    signals_->async_wait([this](const asio::error_code& e, int) {
        if (!e) {
            log_event("stopping");
            stop();
        }
    });
    log_event("listening on " + options_.listen_address + ":" + std::to_string(port_) + " data "
        + folder);
    flush_log();
    log_flush_ = std::make_unique<asio::steady_timer>(*contexts_[0]);
    flush_log_soon();
    accept_next();
    return true;
}

asio::io_context& sync_server::next_context()
{
    auto& context = *contexts_[next_];
    next_ = (next_ + 1) % contexts_.size();
    return context;
}

void sync_server::accept_next()
{
    asio::io_context& target = next_context();
    acceptor_->async_accept(
        target, [this, &target](const asio::error_code& error, asio::ip::tcp::socket socket) {
            if (error == asio::error::operation_aborted)
                return;
            if (error) {
                // Usually out of descriptors: pause instead of spinning on the same error.
                log_event("accept failed: " + error.message());
                accept_retry_->expires_after(std::chrono::milliseconds(100));
                accept_retry_->async_wait([this](const asio::error_code& e) {
                    if (!e)
                        accept_next();
                });
                return;
            }
            asio::error_code peer_error;
            const auto peer = socket.remote_endpoint(peer_error);
            if (!peer_error) {
                const std::string address = peer.address().to_string();
                if (limits_->try_acquire(address)) {
                    auto session
                        = std::make_shared<sync_session>(std::move(socket), address, *context_);
                    // Start on the session's own I/O thread.
                    asio::post(target, [session] { session->start(); });
                } else {
                    log_event("connection limit reached, refusing from=" + address);
                }
            }
            accept_next();
        });
}

void sync_server::run_context(asio::io_context& context)
{
    // A handler that throws must not end the thread (std::terminate, no joins): log it and
    // go on serving the other connections; stop() is what ends run().
    for (;;) {
        try {
            context.run();
            return;
        } catch (const std::exception& e) {
            log_event(std::string("exception in an I/O thread: ") + e.what());
        } catch (...) {
            log_event("unknown exception in an I/O thread");
        }
    }
}

void sync_server::run()
{
    std::vector<std::thread> threads;
    try {
        for (std::size_t i = 1; i < contexts_.size(); ++i)
            threads.emplace_back([this, i] { run_context(*contexts_[i]); });
    } catch (const std::exception& e) {
        // Fewer threads than asked for: serve nothing rather than half, and join what started.
        log_event(std::string("cannot start the I/O threads: ") + e.what());
        stop();
    }
    run_context(*contexts_[0]);
    // Whatever ended the first thread ends the others too, so that the joins return.
    stop();
    for (auto& t : threads)
        t.join();
}

void sync_server::stop()
{
    // Reached from the signal_set handler on an I/O thread and from the owner's thread; the
    // guards are not thread-safe on their own.
    std::lock_guard<std::mutex> lock(stop_mutex_);
    for (auto& guard : guards_)
        guard.reset();
    for (auto& context : contexts_)
        context->stop();
}

} // namespace syncd

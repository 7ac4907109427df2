// The listening server: one io_context per I/O thread, connections spread over them, the
// account logic behind a few worker threads.
#pragma once

#include "server/account_files.h"
#include "server/account_history.h"
#include "server/account_service.h"
#include "server/account_sessions.h"
#include "server/connection_limits.h"
#include "server/history_service.h"
#include "server/history_store.h"
#include "server/request_handler.h"
#include "server/server_options.h"
#include "server/sync_session.h"
#include "server/task_workers.h"

#include <asio.hpp>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace syncd {

class sync_server {
public:
    explicit sync_server(server_options options);
    ~sync_server();

    // Locks the data folder, opens the database and binds the port; false (logged) when one
    // of them fails.
    bool start();
    // Serves until stop() or SIGINT/SIGTERM (through an asio::signal_set, so the stop runs as
    // a handler, never inside the signal handler). A handler that throws is logged and the
    // thread goes on serving.
    void run();
    // Thread-safe, and may be called more than once.
    void stop();

    std::uint16_t port() const { return port_; }

private:
    static void run_context(asio::io_context& context);
    void accept_next();
    asio::io_context& next_context();
    bool lock_data_folder(const std::string& folder);
    void flush_log_soon();

    server_options options_;
    account_store store_;
    history_store history_store_;
    // Connections leave it as they go, so it outlives them.
    account_sessions sessions_;
    std::unique_ptr<account_files> files_;
    std::unique_ptr<account_history> account_history_;
    std::unique_ptr<history_service> history_;
    std::unique_ptr<password_hasher> hasher_;
    std::unique_ptr<login_guard> guard_;
    std::unique_ptr<account_service> service_;
    std::unique_ptr<request_handler> handler_;
    std::unique_ptr<rate_limiter> register_limits_;
    std::unique_ptr<task_workers> workers_;
    std::unique_ptr<task_workers> register_workers_;
    std::unique_ptr<task_workers> history_workers_;
    std::unique_ptr<connection_limits> limits_;
    std::unique_ptr<session_context> context_;

    std::vector<std::unique_ptr<asio::io_context>> contexts_;
    std::mutex stop_mutex_; // guards guards_
    std::vector<asio::executor_work_guard<asio::io_context::executor_type>> guards_;
    std::unique_ptr<asio::ip::tcp::acceptor> acceptor_;
    std::unique_ptr<asio::signal_set> signals_;
    std::unique_ptr<asio::steady_timer> accept_retry_;
    std::unique_ptr<asio::steady_timer> log_flush_;
    int lock_fd_ = -1; // held while the server lives: one server per data folder
    std::size_t next_ = 0;
    std::uint16_t port_ = 0;
};

// The folder beside the running program where data goes by default.
std::string default_data_folder();

} // namespace syncd

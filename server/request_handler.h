// Answers one request of a connection: the reply frame, whether the connection ends, and
// the log line.
#pragma once

#include "server/account_service.h"
#include "server/rate_limiter.h"
#include "server/request_reader.h"
#include "sync/frame_buffer.h"

#include <string>

namespace syncd {

struct request_outcome {
    bool has_reply = false;
    frame_buffer reply;
    bool close = false; // after the reply is written
    std::string logged_in; // the account now logged in on this connection, if any
    std::string log_line; // logged by the connection, which folds repeats
};

class request_handler {
public:
    // register_limits may be null: registrations are then not throttled.
    request_handler(
        account_service& service, bool log_heartbeats, rate_limiter* register_limits = nullptr);

    // Login and register hash passwords (but for the shared account); they belong on a
    // worker thread.
    static bool is_slow(const sync_request& request);
    // Registers go to workers of their own, so a flood of them cannot hold up logins.
    static bool is_register(const sync_request& request);

    request_outcome handle(const sync_request& request, const std::string& address,
        const std::string& session_account);

private:
    request_outcome login(const sync_request& request, const std::string& address);
    request_outcome register_account(const sync_request& request, const std::string& address);

    account_service& service_;
    bool log_heartbeats_;
    rate_limiter* register_limits_;
};

} // namespace syncd

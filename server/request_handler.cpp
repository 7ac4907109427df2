#include "server/request_handler.h"

#include "server/server_log.h"

#include "sync/anonymous_account.h"
#include "sync/frame_builder.h"
#include "sync/reply_texts.h"
#include "sync/wire_kinds.h"

namespace syncd {

namespace {

// Account names in log lines are client input: keep them on one printable line.
std::string printable(const std::string& text)
{
    std::string out;
    for (unsigned char c : text)
        out += (c >= 0x20 && c < 0x7f) ? static_cast<char>(c) : '?';
    return out;
}

} // namespace

request_handler::request_handler(
    account_service& service, bool log_heartbeats, rate_limiter* register_limits)
    : service_(service)
    , log_heartbeats_(log_heartbeats)
    , register_limits_(register_limits)
{
}

bool request_handler::is_register(const sync_request& request)
{
    return request.what == sync_request::type::register_account;
}

bool request_handler::is_slow(const sync_request& request)
{
    // The shared account is answered without a hash, so it needs no worker.
    return (request.what == sync_request::type::login && request.account != wire::anonymous_account)
        || request.what == sync_request::type::register_account;
}

request_outcome request_handler::handle(
    const sync_request& request, const std::string& address, const std::string& session_account)
{
    switch (request.what) {
    case sync_request::type::login:
        return login(request, address);
    case sync_request::type::register_account:
        return register_account(request, address);
    case sync_request::type::heartbeat:
        // Asked for one line each, so they are not folded.
        if (log_heartbeats_)
            log_event("heartbeat account=" + printable(session_account) + " from=" + address);
        return {};
    case sync_request::type::history: // the connection hands these to the history service
    case sync_request::type::other:
        break;
    }
    return {};
}

request_outcome request_handler::login(const sync_request& request, const std::string& address)
{
    request_outcome outcome;
    const login_result result
        = service_.login(address, request.account, request.secret, request.payload);
    const std::string who = " account=" + printable(request.account) + " from=" + address;
    std::string_view text;
    switch (result) {
    case login_result::success:
        text = wire::reply_login_success;
        outcome.logged_in = request.account;
        outcome.log_line = "login ok" + who;
        break;
    case login_result::error:
        text = wire::reply_login_error;
        outcome.log_line = "login error" + who;
        break;
    case login_result::quit_client:
        text = wire::reply_quit_client;
        outcome.log_line = "login of an old client, update offered" + who;
        break;
    default: {
        const std::string_view refusal = refusal_text(result);
        outcome.has_reply = wire::build_refusal(outcome.reply, wire::kind_login, refusal);
        outcome.close = true;
        outcome.log_line = "login refused (" + std::string(refusal) + ")" + who;
        return outcome;
    }
    }
    // Only a success echoes the credentials, as the client stores what it gets back.
    const bool ok = result == login_result::success;
    outcome.has_reply = wire::build_reply(outcome.reply, wire::kind_login, text,
        ok ? request.account : std::string(), ok ? request.secret : std::string());
    return outcome;
}

request_outcome request_handler::register_account(
    const sync_request& request, const std::string& address)
{
    request_outcome outcome;
    // The client knows one answer to a failed register; the log tells the throttled apart.
    const bool throttled
        = register_limits_ && !register_limits_->try_take(address, rate_limiter::clock::now());
    const bool ok = !throttled && service_.register_account(request.account, request.secret);
    outcome.log_line = throttled ? "register throttled from=" + address
                                 : std::string(ok ? "register ok" : "register failed")
            + " account=" + printable(request.account) + " from=" + address;
    outcome.has_reply = wire::build_reply(outcome.reply, wire::kind_register,
        ok ? wire::reply_register_success : wire::reply_register_failed, {}, {});
    return outcome;
}

} // namespace syncd

// Texts the server answers with: JSON reply messages and the refusals that end a connection.
#pragma once

#include <string_view>

namespace wire {

constexpr std::string_view reply_login_success = "Login success!";
constexpr std::string_view reply_login_error = "Login error!";
constexpr std::string_view reply_quit_client = "Quit client!";
constexpr std::string_view reply_register_success = "Register success!";
constexpr std::string_view reply_register_failed = "Register failed!";

// Sent as the whole payload, not as JSON; the server closes the connection after each.
constexpr std::string_view refusal_password = "Server ASK: Password is error. Disconnected!";
constexpr std::string_view refusal_version = "Server ASK: Version is too low. Disconnected!";
constexpr std::string_view refusal_permission = "Server ASK: No Permission. Disconnected!";
constexpr std::string_view refusal_money = "Server ASK: No Money. Disconnected!";

// True when payload is exactly one of the four refusal texts.
bool is_refusal_text(std::string_view payload);

} // namespace wire

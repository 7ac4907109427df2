// Every message id of the bus and the control ids carried by msg_control_toggled.
#pragma once

#include <cstdint>

// Connection events and login replies, posted on the network I/O thread.
constexpr std::int64_t msg_net_failed = 0;
constexpr std::int64_t msg_net_connected = 1;
constexpr std::int64_t msg_net_received = 2;
constexpr std::int64_t msg_login_ok = 3;
constexpr std::int64_t msg_login_failed = 4;
constexpr std::int64_t msg_client_quit = 5;
// The server refused the login and closed the connection; a = the refusal text, NUL-terminated.
constexpr std::int64_t msg_login_refused = 6;

// Posted on the GUI thread.
constexpr std::int64_t msg_settings_applied = 100;
constexpr std::int64_t msg_show_window = 101;
constexpr std::int64_t msg_cloud_list_synced = 102;
constexpr std::int64_t msg_record_captured = 103;
constexpr std::int64_t msg_records_deleted = 104;
constexpr std::int64_t msg_hotkeys_edited = 106;
constexpr std::int64_t msg_control_toggled = 107;
constexpr std::int64_t msg_sync_append = 108;
constexpr std::int64_t msg_sync_delete = 109;
constexpr std::int64_t msg_sync_content = 110;
constexpr std::int64_t msg_records_collected = 111;
constexpr std::int64_t msg_sync_collect = 112;
constexpr std::int64_t msg_update_required = 220;
constexpr std::int64_t msg_delete_confirmed = 10000;
constexpr std::int64_t msg_type_tab_chosen = 10001;
constexpr std::int64_t msg_delete_cancelled = 10002;
constexpr std::int64_t msg_update_accepted = 10003;
constexpr std::int64_t msg_update_declined = 10004;
constexpr std::int64_t msg_restart = 10005;
constexpr std::int64_t msg_hotkey_tab_chosen = 10006;

// Control ids (argument a of msg_control_toggled).
constexpr std::int64_t control_recording_button = 0;
constexpr std::int64_t control_language_button = 1;
constexpr std::int64_t control_dark_mode_switch = 10100;
constexpr std::int64_t control_day_night_button = 10101;
constexpr std::int64_t control_hotkey_enable_switch = 20000;

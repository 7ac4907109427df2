// The command line of quillbox-syncd.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace syncd {

struct server_options {
    std::string listen_address = "127.0.0.1";
    std::uint16_t listen_port = 22345;
    std::string data_folder; // empty: "syncd-data" beside the program
    std::string min_version;
    std::string update_version;
    std::size_t threads = 0; // 0: one per core
    std::size_t workers = 2;
    std::size_t max_connections = 20000;
    std::size_t max_connections_per_address = 256;
    std::size_t max_failed_logins = 20;
    std::size_t account_failures_before_delay = 3; // 0: no delay
    std::chrono::seconds account_delay_max { 900 };
    std::size_t register_workers = 1;
    std::size_t register_per_minute = 10; // per address; 0: no limit
    std::size_t register_total_per_minute = 120; // 0: no limit
    std::size_t max_send_queue_kb = 256;
    std::chrono::seconds frame_deadline { 10 };
    std::chrono::seconds log_fold { 10 };
    std::int64_t quota_mb = 1024;
    std::size_t max_entries = 500; // per account's history, favourites spared
    std::uint64_t max_file_mb = 64;
    std::size_t history_workers = 2;
    // A client applies one notification per 300 ms timer period; a little more keeps two apart.
    std::chrono::milliseconds notify_spacing { 400 };
    std::chrono::milliseconds idle_timeout { 65000 };
    unsigned long long hash_ops = 2;
    std::size_t hash_memory_kb = 19456;
    bool log_heartbeats = false;
    std::string disable_account; // operator commands: change the flag and exit
    std::string enable_account;
    bool help = false;
};

// Fills options from argv; on a bad argument returns false and sets error.
bool parse_options(
    const std::vector<std::string>& args, server_options& options, std::string& error);

const char* usage_text();

// The configuration file read when the command line names none.
extern const char* const default_config_file;

} // namespace syncd

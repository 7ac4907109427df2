// The kind codes of every message, by name.
#pragma once

#include <cstdint>

namespace wire {

// Client to server.
constexpr std::uint8_t kind_login = 2;
constexpr std::uint8_t kind_heartbeat = 3;
constexpr std::uint8_t kind_register = 4;
constexpr std::uint8_t kind_index_upload = 6;
constexpr std::uint8_t kind_index_missing = 9;
constexpr std::uint8_t kind_record_added = 11;
constexpr std::uint8_t kind_records_deleted = 12; // more batches follow
constexpr std::uint8_t kind_records_deleted_last = 13; // last batch
constexpr std::uint8_t kind_files_done = 17;
constexpr std::uint8_t kind_records_collected = 18; // more batches follow
constexpr std::uint8_t kind_records_collected_last = 19; // last batch

// Both directions: one chunk of a file.
constexpr std::uint8_t kind_file_chunk = 7;

// Server to client notifications.
constexpr std::uint8_t kind_list_updated = 10;
constexpr std::uint8_t kind_append_ready = 14;
constexpr std::uint8_t kind_delete_ready = 15;
constexpr std::uint8_t kind_content_ready = 17;
constexpr std::uint8_t kind_collect_ready = 20;

// A fresh record carries this kind until a frame fills it.
constexpr std::uint8_t kind_default = kind_login;

// Step digits at the front of a file transfer's tag; the receiver tests them bitwise.
constexpr char step_first = '1';
constexpr char step_next = '2';
constexpr char step_end = '4';

} // namespace wire

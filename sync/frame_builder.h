// Builds the frames of each message kind into a frame_buffer. Every builder works on the
// caller's own message, so concurrent senders never share a record.
#pragma once

#include "sync/frame_buffer.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wire {

// False, with a log line and the message left unsent, when a text does not fit its field or
// the payload exceeds 1024 bytes.
bool build_frame(frame_buffer& message, std::uint8_t kind, std::string_view id,
    std::string_view pwd, std::string_view tag, const char* payload, std::size_t length);

// Login: the version as an 8-byte little-endian length and its characters.
bool build_login(frame_buffer& message, std::string_view account, std::string_view digest);
bool build_heartbeat(frame_buffer& message, std::string_view digest);
// The typed password itself travels; the server stores only a hash of its digest.
bool build_register(frame_buffer& message, std::string_view account, std::string_view password);

// Server side: a JSON reply {"data":{"msg":text}} and a bare refusal text.
bool build_reply(frame_buffer& message, std::uint8_t kind, std::string_view text,
    std::string_view id, std::string_view pwd);
bool build_refusal(frame_buffer& message, std::uint8_t kind, std::string_view refusal);

std::string login_payload(std::string_view version);
std::string heartbeat_payload();

// The "msg" text of a JSON reply payload; nothing when the payload is not such a reply.
std::optional<std::string> reply_text(std::string_view payload);

} // namespace wire

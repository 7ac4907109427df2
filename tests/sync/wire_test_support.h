// Helpers shared by the wire tests: frames built through the real builder.
#pragma once

#include "sync/chat_message.h"
#include "sync/frame_builder.h"
#include "sync/wire_log.h"

#include <string>
#include <vector>

inline std::string frame_bytes(const chat_message& message)
{
    return std::string(message.data(), message.length());
}

inline std::string make_frame(std::uint8_t kind, const std::string& payload,
    const std::string& id = "user", const std::string& pwd = "pwd", const std::string& tag = "")
{
    chat_message message;
    if (!wire::build_frame(message, kind, id, pwd, tag, payload.data(), payload.size()))
        return {};
    return frame_bytes(message);
}

// Collects log lines instead of printing them while the object lives.
struct captured_log {
    std::vector<std::string> lines;
    captured_log()
    {
        wire::set_log_handler(
            [this](wire::log_level, const std::string& line) { lines.push_back(line); });
    }
    ~captured_log() { wire::set_log_handler({}); }
    bool contains(const std::string& part) const
    {
        for (const auto& line : lines)
            if (line.find(part) != std::string::npos)
                return true;
        return false;
    }
};

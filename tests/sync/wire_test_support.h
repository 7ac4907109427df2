// Helpers shared by the sync tests: frames built through the real builder, captured log lines.
#pragma once

#include "sync/anonymous_account.h"
#include "sync/frame_buffer.h"
#include "sync/frame_builder.h"
#include "sync/md5.h"
#include "sync/wire_log.h"

#include <string>
#include <string_view>
#include <vector>

inline std::string bytes_of(const frame_buffer& message)
{
    return std::string(message.data(), message.length());
}

inline std::string make_frame(std::uint8_t kind, const std::string& payload,
    const std::string& id = "user", const std::string& pwd = "pwd", const std::string& tag = "")
{
    frame_buffer message;
    const bool ok = wire::build_frame(message, kind, id, pwd, tag, payload.data(), payload.size());
    return ok ? bytes_of(message) : std::string();
}

inline std::string login_frame(const std::string& account, const std::string& password)
{
    frame_buffer m;
    wire::build_login(m, account, wire::md5_hex(password));
    return bytes_of(m);
}

inline std::string anonymous_login()
{
    return login_frame(std::string(wire::anonymous_account), std::string(wire::anonymous_password));
}

inline std::string register_frame(const std::string& account, const std::string& password)
{
    frame_buffer m;
    wire::build_register(m, account, password);
    return bytes_of(m);
}

// The JSON reply text of a payload, or the payload itself (a refusal) when it is not JSON.
inline std::string reply_of(std::string_view payload)
{
    const auto text = wire::reply_text(payload);
    return text ? *text : std::string(payload);
}

// Collects log lines instead of printing them while the object lives; one thread only.
struct captured_log {
    std::vector<std::string> lines;
    captured_log()
    {
        wire::set_log_handler(
            [this](wire::log_level, const std::string& l) { lines.push_back(l); });
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

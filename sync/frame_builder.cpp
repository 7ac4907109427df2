#include "sync/frame_builder.h"

#include "sync/anonymous_account.h"
#include "sync/frame_record.h"
#include "sync/wire_kinds.h"

#include <nlohmann/json.hpp>

namespace wire {

bool build_frame(frame_buffer& message, std::uint8_t kind, std::string_view id,
    std::string_view pwd, std::string_view tag, const char* payload, std::size_t length)
{
    if (!frame_record::pack(message.data(), payload, length, id, pwd, tag, kind))
        return false;
    message.set_length(frame_overhead + length);
    return true;
}

std::string login_payload(std::string_view version)
{
    std::string payload(8, '\0');
    store_le64(reinterpret_cast<unsigned char*>(payload.data()), version.size());
    payload.append(version);
    return payload;
}

std::string heartbeat_payload()
{
    // The closing brace is missing on purpose: servers compare the text as it always was.
    std::string payload = R"({ "from" : "client", "to" : "server", "message" : "heart_beat", )"
                          R"("data" : { "msg" : "null" })";
    payload.append(2, '\0');
    return payload;
}

bool build_login(frame_buffer& message, std::string_view account, std::string_view digest)
{
    const std::string payload = login_payload(client_version);
    return build_frame(message, kind_login, account, digest, {}, payload.data(), payload.size());
}

bool build_heartbeat(frame_buffer& message, std::string_view digest)
{
    static const std::string payload = heartbeat_payload();
    return build_frame(
        message, kind_heartbeat, heartbeat_id, digest, {}, payload.data(), payload.size());
}

bool build_register(frame_buffer& message, std::string_view account, std::string_view password)
{
    return build_frame(message, kind_register, account, password, {}, nullptr, 0);
}

bool build_reply(frame_buffer& message, std::uint8_t kind, std::string_view text,
    std::string_view id, std::string_view pwd)
{
    nlohmann::json reply = { { "from", "server" }, { "to", "client" },
        { "data", { { "msg", std::string(text) } } } };
    const std::string payload
        = reply.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    return build_frame(message, kind, id, pwd, {}, payload.data(), payload.size());
}

bool build_refusal(frame_buffer& message, std::uint8_t kind, std::string_view refusal)
{
    return build_frame(message, kind, {}, {}, {}, refusal.data(), refusal.size());
}

std::optional<std::string> reply_text(std::string_view payload)
{
    // Text payloads may carry trailing zero bytes; JSON ends before them.
    const auto end = payload.find('\0');
    if (end != std::string_view::npos)
        payload = payload.substr(0, end);
    const auto json = nlohmann::json::parse(payload.begin(), payload.end(), nullptr, false);
    if (json.is_discarded() || !json.is_object())
        return std::nullopt;
    const auto data = json.find("data");
    if (data == json.end() || !data->is_object())
        return std::nullopt;
    const auto msg = data->find("msg");
    if (msg == data->end() || !msg->is_string())
        return std::nullopt;
    return msg->get<std::string>();
}

} // namespace wire

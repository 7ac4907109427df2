#include "sync/frame_record.h"

#include "sync/frame_parser.h"
#include "sync/wire_kinds.h"
#include "sync/wire_log.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

void copy_text(unsigned char* dest, std::size_t size, std::string_view text)
{
    std::memset(dest, 0, size);
    if (!text.empty()) // an empty view may hold a null pointer, which memcpy must not get
        std::memcpy(dest, text.data(), text.size());
}

} // namespace

frame_record::frame_record()
    : kind(wire::kind_default)
    , reserved_byte(0)
    , format_byte(wire::format_value)
    , data_length(0)
    , tail_magic(wire::tail_magic_value)
    , payload_(new char[wire::max_payload]())
{
    std::memcpy(head_magic, wire::head_magic_bytes, sizeof head_magic);
    std::memset(id, 0, sizeof id);
    std::memset(pwd, 0, sizeof pwd);
    std::memset(tag, 0, sizeof tag);
    std::memcpy(mark, wire::mark_bytes, sizeof mark);
}

frame_record::~frame_record() = default;
frame_record::frame_record(frame_record&&) noexcept = default;
frame_record& frame_record::operator=(frame_record&&) noexcept = default;

std::string_view frame_record::payload_view() const
{
    if (!payload_)
        return {};
    return { payload_.get(),
        static_cast<std::size_t>(std::min<std::uint64_t>(data_length, wire::max_payload)) };
}

std::string_view frame_record::id_text() const
{
    return wire::field_text(id, sizeof id);
}
std::string_view frame_record::pwd_text() const
{
    return wire::field_text(pwd, sizeof pwd);
}
std::string_view frame_record::tag_text() const
{
    return wire::field_text(tag, sizeof tag);
}

void frame_record::assign(const frame_view& frame)
{
    const unsigned char* b = frame.bytes;
    std::memcpy(head_magic, b, sizeof head_magic);
    kind = b[wire::kind_offset];
    reserved_byte = b[wire::reserved_offset];
    std::memcpy(id, b + wire::id_offset, sizeof id);
    std::memcpy(pwd, b + wire::pwd_offset, sizeof pwd);
    std::memcpy(tag, b + wire::tag_offset, sizeof tag);
    std::memcpy(mark, b + wire::mark_offset, sizeof mark);
    format_byte = b[wire::format_offset];
    data_length = frame.data_length;
    tail_magic = wire::load_le64(b + wire::payload_offset + frame.data_length);
    if (!payload_)
        payload_.reset(new char[wire::max_payload]());
    std::memcpy(payload_.get(), frame.payload(), static_cast<std::size_t>(frame.data_length));
}

void frame_record::copy_from(const frame_record& other)
{
    if (this == &other)
        return;
    std::memcpy(head_magic, other.head_magic, sizeof head_magic);
    kind = other.kind;
    reserved_byte = other.reserved_byte;
    std::memcpy(id, other.id, sizeof id);
    std::memcpy(pwd, other.pwd, sizeof pwd);
    std::memcpy(tag, other.tag, sizeof tag);
    std::memcpy(mark, other.mark, sizeof mark);
    format_byte = other.format_byte;
    data_length = other.data_length;
    tail_magic = other.tail_magic;
    if (!payload_)
        payload_.reset(new char[wire::max_payload]());
    const auto payload = other.payload_view();
    if (!payload.empty())
        std::memcpy(payload_.get(), payload.data(), payload.size());
}

bool frame_record::pack(char* dest, const char* src, std::uint64_t length, std::string_view id,
    std::string_view pwd, std::string_view tag, std::uint8_t kind)
{
    if (!dest || (!src && length > 0)) {
        wire::log_error("frame not built: missing buffer");
        return false;
    }
    if (id.size() > wire::max_id_text || pwd.size() > wire::max_pwd_text
        || tag.size() > wire::max_tag_text) {
        wire::log_error("frame not built: a text is too long for its field (kind "
            + std::to_string(kind) + ")");
        return false;
    }
    if (length > wire::max_payload) {
        wire::log_error("frame not built: payload of " + std::to_string(length)
            + " bytes exceeds 1024 (kind " + std::to_string(kind) + ")");
        return false;
    }
    auto* out = reinterpret_cast<unsigned char*>(dest);
    std::memcpy(out, wire::head_magic_bytes, wire::head_size);
    out[wire::kind_offset] = kind;
    out[wire::reserved_offset] = 0;
    copy_text(out + wire::id_offset, wire::id_field, id);
    copy_text(out + wire::pwd_offset, wire::pwd_field, pwd);
    copy_text(out + wire::tag_offset, wire::tag_field, tag);
    std::memcpy(out + wire::mark_offset, wire::mark_bytes, sizeof wire::mark_bytes);
    out[wire::format_offset] = wire::format_value;
    wire::store_le64(out + wire::length_offset, length);
    if (length > 0)
        std::memcpy(out + wire::payload_offset, src, static_cast<std::size_t>(length));
    std::memcpy(out + wire::payload_offset + length, wire::tail_magic_bytes, wire::tail_size);
    return true;
}

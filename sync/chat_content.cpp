#include "sync/chat_content.h"

#include "sync/kmp_search.h"
#include "sync/wire_kinds.h"
#include "sync/wire_log.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

const wstd::kmp_search& head_search()
{
    static const wstd::kmp_search search(wire::head_magic_bytes, wire::head_size);
    return search;
}

const wstd::kmp_search& tail_search()
{
    static const wstd::kmp_search search(wire::tail_magic_bytes, wire::tail_size);
    return search;
}

std::string_view bounded_text(const char* field, std::size_t size)
{
    const void* zero = std::memchr(field, 0, size);
    std::size_t length
        = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - field) : size;
    return { field, length };
}

void copy_text(unsigned char* dest, std::size_t size, std::string_view text)
{
    std::memset(dest, 0, size);
    if (!text.empty()) // an empty view may hold a null pointer, which memcpy must not get
        std::memcpy(dest, text.data(), text.size());
}

} // namespace

std::string_view frame_view::field(std::size_t offset, std::size_t size) const
{
    return bounded_text(reinterpret_cast<const char*>(bytes + offset), size);
}

chat_content::chat_content()
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

chat_content::~chat_content() = default;
chat_content::chat_content(chat_content&&) noexcept = default;
chat_content& chat_content::operator=(chat_content&&) noexcept = default;

std::string_view chat_content::payload_view() const
{
    if (!payload_)
        return {};
    return { payload_.get(),
        static_cast<std::size_t>(std::min<std::uint64_t>(data_length, wire::max_payload)) };
}

std::string_view chat_content::id_text() const
{
    return bounded_text(id, sizeof id);
}
std::string_view chat_content::pwd_text() const
{
    return bounded_text(pwd, sizeof pwd);
}
std::string_view chat_content::tag_text() const
{
    return bounded_text(tag, sizeof tag);
}

void chat_content::assign(const frame_view& frame)
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

void chat_content::copy_from(const chat_content& other)
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

bool chat_content::pack(char* dest, const char* src, std::uint64_t length, std::string_view id,
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

bool chat_content::parse_data(const char* bytes, std::size_t count, std::vector<chat_content>& out)
{
    cut_frames(bytes, count, [&out](const frame_view& frame) {
        out.emplace_back();
        out.back().assign(frame);
    });
    return !out.empty();
}

void chat_content::release_idle_buffer()
{
    if (fill_ == 0)
        stream_.reset();
}

unsigned char* chat_content::stream()
{
    if (!stream_)
        stream_.reset(new unsigned char[wire::stream_capacity]);
    return stream_.get();
}

// Cuts the frames of one contiguous range and returns how many leading bytes are used up;
// the rest (a frame whose end marker has not arrived, or bytes without a start marker) must
// be kept.
//
// A frame runs from a start marker to the first end marker after it, and its data_length
// must end exactly at that marker. Anything else is dropped and logged; when another start
// marker lies inside a dropped frame, cutting resumes there, so a truncated frame does not
// take the whole one behind it along.
std::size_t chat_content::cut_range(
    const unsigned char* bytes, std::size_t count, sink_fn sink, void* context, std::size_t& frames)
{
    const auto& heads = head_search();
    const auto& tails = tail_search();
    std::size_t pos = 0;
    while (count - pos >= wire::head_size) {
        const std::size_t found = heads.find(bytes + pos, count - pos);
        if (found == wstd::kmp_search::npos)
            return pos; // no start marker: keep the bytes, a marker may still be completed
        const std::size_t head = pos + found;
        const std::size_t after_head = head + wire::head_size;
        const std::size_t tail_found = tails.find(bytes + after_head, count - after_head);
        if (tail_found == wstd::kmp_search::npos)
            return head; // the end marker has not arrived yet
        const std::size_t tail = after_head + tail_found;
        const std::size_t end = tail + wire::tail_size;

        std::string fault;
        std::uint64_t length = 0;
        if (tail < head + wire::payload_offset) {
            fault = "end marker inside its header";
        } else {
            length = wire::load_le64(bytes + head + wire::length_offset);
            if (length > wire::max_payload)
                fault = "data_length " + std::to_string(length) + " exceeds 1024";
            else if (head + wire::payload_offset + length != tail)
                fault = "data_length " + std::to_string(length) + " does not end at its end marker";
        }
        if (fault.empty()) {
            sink(context, frame_view { bytes + head, length });
            ++frames;
            pos = end;
            continue;
        }
        wire::log_error("frame dropped: " + fault);
        const std::size_t next = heads.find(bytes + after_head, tail - after_head);
        pos = next == wstd::kmp_search::npos ? end : after_head + next;
    }
    return pos;
}

// Makes room in a full stream buffer: drops the oldest bytes up to the next start marker, or,
// without one, all but the last few bytes, which may be the first part of a marker.
void chat_content::drop_oldest()
{
    unsigned char* buffer = stream_.get();
    const std::size_t fill = static_cast<std::size_t>(fill_);
    const std::size_t next = head_search().find(buffer + 1, fill - 1);
    const std::size_t drop
        = next == wstd::kmp_search::npos ? fill - (wire::head_size - 1) : next + 1;
    wire::log_error("stream buffer full: dropped " + std::to_string(drop) + " bytes");
    std::memmove(buffer, buffer + drop, fill - drop);
    fill_ -= drop;
}

std::size_t chat_content::cut(const char* bytes, std::size_t count, sink_fn sink, void* context)
{
    std::size_t frames = 0;
    if (!bytes) {
        if (count > 0)
            wire::log_error("parse_data: no received bytes");
        return 0;
    }
    const auto* in = reinterpret_cast<const unsigned char*>(bytes);
    while (count > 0) {
        if (fill_ == 0) {
            // Nothing buffered: cut straight from the received bytes and keep only the rest.
            const std::size_t used = cut_range(in, count, sink, context, frames);
            in += used;
            count -= used;
            if (count <= wire::stream_capacity) {
                if (count > 0)
                    std::memcpy(stream(), in, count);
                fill_ = count;
                return frames;
            }
            // More left over than the buffer holds: go through it piece by piece below.
        }
        unsigned char* buffer = stream();
        if (fill_ == wire::stream_capacity)
            drop_oldest();
        const std::size_t take
            = std::min<std::size_t>(count, wire::stream_capacity - static_cast<std::size_t>(fill_));
        std::memcpy(buffer + fill_, in, take);
        fill_ += take;
        in += take;
        count -= take;
        const std::size_t used
            = cut_range(buffer, static_cast<std::size_t>(fill_), sink, context, frames);
        if (used > 0) {
            std::memmove(buffer, buffer + used, static_cast<std::size_t>(fill_) - used);
            fill_ -= used;
        }
    }
    return frames;
}

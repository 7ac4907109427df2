// Byte layout of one frame on the wire, shared by client and server.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace wire {

constexpr std::size_t head_size = 16;
constexpr std::size_t tail_size = 8;
constexpr std::size_t kind_offset = 16;
constexpr std::size_t reserved_offset = 17;
constexpr std::size_t id_offset = 18;
constexpr std::size_t id_field = 33;
constexpr std::size_t pwd_offset = 51;
constexpr std::size_t pwd_field = 33;
constexpr std::size_t tag_offset = 84;
constexpr std::size_t tag_field = 34;
constexpr std::size_t mark_offset = 118;
constexpr std::size_t format_offset = 122;
constexpr std::size_t header_size = 123; // head_magic up to and including format_byte
constexpr std::size_t length_offset = 123;
constexpr std::size_t payload_offset = 131;
constexpr std::size_t frame_overhead = payload_offset + tail_size; // 139
constexpr std::size_t max_payload = 1024;
constexpr std::size_t max_frame = frame_overhead + max_payload; // 1163
constexpr std::size_t stream_capacity = 4096;

// A text field keeps one byte for its terminator.
constexpr std::size_t max_id_text = id_field - 1;
constexpr std::size_t max_pwd_text = pwd_field - 1;
constexpr std::size_t max_tag_text = tag_field - 1;

constexpr unsigned char head_magic_bytes[head_size] = { 0xaa, 0xab, 0xac, 0xbb, 0xba, 0xbc, 0xcc,
    0xca, 0xcb, 0xdd, 0xda, 0xdb, 0xee, 0xea, 0xff, 0xfa };
constexpr unsigned char tail_magic_bytes[tail_size]
    = { 0xae, 0xbe, 0xce, 0xde, 0x0a, 0x0b, 0x0c, 0x0d };
constexpr unsigned char mark_bytes[4] = { 0x01, 0x02, 0x03, 0x05 };
constexpr std::uint8_t format_value = 1;
constexpr std::uint64_t tail_magic_value = 0x0d0c0b0adecebeaeULL;

// Little-endian whatever the host order is.
inline std::uint64_t load_le64(const unsigned char* p)
{
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

inline void store_le64(unsigned char* p, std::uint64_t v)
{
    for (int i = 0; i < 8; ++i) {
        p[i] = static_cast<unsigned char>(v & 0xff);
        v >>= 8;
    }
}

// A text field up to its first zero byte, and never past the field even when a sender left
// none.
inline std::string_view field_text(const char* field, std::size_t size)
{
    const void* zero = std::memchr(field, 0, size);
    const std::size_t length
        = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - field) : size;
    return { field, length };
}

} // namespace wire

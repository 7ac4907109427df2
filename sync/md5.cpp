#include "sync/md5.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace wire {
namespace {

constexpr std::uint32_t shifts[64] = { 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
    5, 9, 14, 20, 5, 9, 14, 20, 5, 9, 14, 20, 5, 9, 14, 20, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16,
    23, 4, 11, 16, 23, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21 };

// floor(abs(sin(i + 1)) * 2^32), the table of RFC 1321 section 3.4.
constexpr std::uint32_t sines[64] = { 0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf,
    0x4787c62a, 0xa8304613, 0xfd469501, 0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122,
    0xfd987193, 0xa679438e, 0x49b40821, 0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d,
    0x02441453, 0xd8a1e681, 0xe7d3fbc8, 0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905,
    0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a, 0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44,
    0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70, 0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039,
    0xe6db99e5, 0x1fa27cf8, 0xc4ac5665, 0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3,
    0x8f0ccc92, 0xffeff47d, 0x85845dd1, 0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82,
    0xbd3af235, 0x2ad7d2bb, 0xeb86d391 };

std::uint32_t rotate_left(std::uint32_t x, std::uint32_t c)
{
    return (x << c) | (x >> (32 - c));
}

void process_block(std::array<std::uint32_t, 4>& state, const unsigned char* block)
{
    std::uint32_t words[16];
    for (int i = 0; i < 16; ++i)
        words[i] = std::uint32_t(block[i * 4]) | std::uint32_t(block[i * 4 + 1]) << 8
            | std::uint32_t(block[i * 4 + 2]) << 16 | std::uint32_t(block[i * 4 + 3]) << 24;
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (std::uint32_t i = 0; i < 64; ++i) {
        std::uint32_t f;
        std::uint32_t g;
        if (i < 16) {
            f = (b & c) | (~b & d);
            g = i;
        } else if (i < 32) {
            f = (d & b) | (~d & c);
            g = (5 * i + 1) % 16;
        } else if (i < 48) {
            f = b ^ c ^ d;
            g = (3 * i + 5) % 16;
        } else {
            f = c ^ (b | ~d);
            g = (7 * i) % 16;
        }
        const std::uint32_t next = d;
        d = c;
        c = b;
        b = b + rotate_left(a + f + sines[i] + words[g], shifts[i]);
        a = next;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

} // namespace

md5_stream::md5_stream()
    : state_ { 0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476 }
{
}

void md5_stream::Add(std::string_view data)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    std::size_t size = data.size();
    length_ += size;
    if (held_ > 0) {
        const std::size_t take = std::min<std::size_t>(64 - held_, size);
        std::memcpy(block_ + held_, bytes, take);
        held_ += take;
        bytes += take;
        size -= take;
        if (held_ < 64)
            return;
        process_block(state_, block_);
        held_ = 0;
    }
    for (; size >= 64; bytes += 64, size -= 64)
        process_block(state_, bytes);
    std::memcpy(block_, bytes, size);
    held_ = size;
}

std::string md5_stream::Hex()
{
    // Padding: 0x80, zeros, then the bit length, filling one or two final blocks.
    unsigned char tail[128] = {};
    const std::size_t rest = held_;
    if (rest > 0)
        std::memcpy(tail, block_, rest);
    tail[rest] = 0x80;
    const std::size_t tail_size = rest < 56 ? 64 : 128;
    const std::uint64_t bits = length_ * 8;
    for (int i = 0; i < 8; ++i)
        tail[tail_size - 8 + i] = static_cast<unsigned char>(bits >> (8 * i));
    std::array<std::uint32_t, 4> state = state_;
    process_block(state, tail);
    if (tail_size == 128)
        process_block(state, tail + 64);

    static const char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(32);
    for (std::uint32_t word : state)
        for (int i = 0; i < 4; ++i) {
            const unsigned byte = (word >> (8 * i)) & 0xff;
            hex += digits[byte >> 4];
            hex += digits[byte & 0xf];
        }
    return hex;
}

std::string md5_hex(std::string_view data)
{
    md5_stream md5;
    md5.Add(data);
    return md5.Hex();
}

} // namespace wire

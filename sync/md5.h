// MD5 (RFC 1321) as 32 lowercase hexadecimal digits: the password digest of the sync accounts
// and the digest of content files.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wire {

std::string md5_hex(std::string_view data);

// The same digest over data that arrives in pieces.
class md5_stream {
public:
    md5_stream();
    void Add(std::string_view data);
    // The digest of everything added so far; more may be added after.
    std::string Hex();

private:
    std::array<std::uint32_t, 4> state_;
    unsigned char block_[64] = {};
    std::size_t held_ = 0;
    std::uint64_t length_ = 0;
};

} // namespace wire

// Turns the bytes of one connection into the requests the server acts on.
#pragma once

#include "sync/frame_parser.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace syncd {

struct sync_request {
    enum class type { login, heartbeat, register_account, other };
    type what = type::other;
    std::uint8_t kind = 0;
    std::string account; // id field
    std::string secret; // pwd field: digest, or the typed password of a register request
    std::string payload; // login: the version payload; other kinds: left empty
};

class request_reader {
public:
    // Appends the requests completed by these bytes, in arrival order.
    void read(const char* bytes, std::size_t count, std::vector<sync_request>& out);

    // Frees the parser's stream buffer while no partial frame waits.
    void release_idle_buffer() { parser_.release_idle_buffer(); }

private:
    frame_parser parser_;
};

} // namespace syncd

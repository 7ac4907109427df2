// Turns the bytes of one connection into the requests the server acts on.
#pragma once

#include "sync/frame_parser.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace syncd {

struct sync_request {
    enum class type { login, heartbeat, register_account, history, other };
    type what = type::other;
    std::uint8_t kind = 0;
    std::string account; // id field
    std::string secret; // pwd field: digest, or the typed password of a register request
    std::string payload; // login: the version payload; history kinds: their data
    std::string tag; // history kinds only
    // File pieces that queue up behind one another are joined into one request: payload
    // then holds all their data, and this tells that the file's end frame came too.
    bool ends_upload = false;
};

// The kinds of the history exchange, which only a logged-in account may send.
bool IsHistoryKind(std::uint8_t kind);

class request_reader {
public:
    request_reader() { parser_.count_drops_quietly(); }

    // Appends the requests completed by these bytes, in arrival order.
    void read(const char* bytes, std::size_t count, std::vector<sync_request>& out);

    // Frees the parser's stream buffer while no partial frame waits.
    void release_idle_buffer() { parser_.release_idle_buffer(); }

    // Bytes of a frame not yet complete.
    std::size_t buffered() const { return parser_.buffered(); }
    // Garbage and broken frames dropped since the last call, for the caller to log.
    std::uint64_t take_dropped_bytes() { return parser_.take_dropped_bytes(); }

private:
    frame_parser parser_;
};

} // namespace syncd

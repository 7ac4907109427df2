// libFuzzer target: the stream parser fed arbitrary bytes in arbitrary chunks. Every frame it
// delivers must be well formed, and nothing may be read outside the given bytes.
#include "fuzz/fuzz_stream.h"
#include "sync/frame_parser.h"
#include "sync/wire_log.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    wire::set_log_handler([](wire::log_level, const std::string&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    // The first two bytes choose the chunk sizes, so splits land everywhere; the third
    // chooses between the raw bytes and a stream built from them.
    const std::size_t step = 1 + ((std::size_t(data[0]) << 8) | data[1]) % 5000;
    const bool structured = data[2] & 1;
    data += 3;
    size -= 3;
    std::string built;
    if (structured) {
        fuzz_input in(data, size);
        built = fuzz_stream(in);
        data = reinterpret_cast<const std::uint8_t*>(built.data());
        size = built.size();
    }

    frame_parser parser;
    std::vector<frame_record> out;
    std::size_t pos = 0;
    std::size_t chunk = step;
    while (pos < size) {
        const std::size_t n = chunk < size - pos ? chunk : size - pos;
        // A copy of exactly n bytes lets the address sanitizer catch any read past the chunk.
        std::vector<char> piece(data + pos, data + pos + n);
        parser.parse_data(piece.data(), piece.size(), out);
        pos += n;
        chunk = chunk * 7 % 4999 + 1;
        if (parser.buffered() > wire::stream_capacity)
            std::abort();
    }
    for (const auto& frame : out) {
        if (frame.data_length > wire::max_payload || frame.tail_magic != wire::tail_magic_value
            || std::memcmp(frame.head_magic, wire::head_magic_bytes, wire::head_size) != 0)
            std::abort();
        if (frame.id_text().size() > wire::id_field || frame.tag_text().size() > wire::tag_field)
            std::abort();
    }
    return 0;
}

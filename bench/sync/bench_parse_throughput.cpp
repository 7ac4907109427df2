// Throughput of the stream parser on full frames (1163 bytes) arriving in reads of 2048 bytes,
// each frame copied into the received record as the connection does.
#include "sync/frame_builder.h"
#include "sync/frame_parser.h"
#include "sync/wire_kinds.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>

int main()
{
    constexpr std::size_t frames = 64 * 1024; // about 76 MB of stream
    std::mt19937 random(7);
    std::string payload(1024, '\0');
    for (auto& c : payload)
        c = static_cast<char>(random());
    std::string stream;
    stream.reserve(frames * wire::max_frame);
    for (std::size_t i = 0; i < frames; ++i) {
        frame_buffer m;
        payload[0] = static_cast<char>(i); // vary the frames a little
        if (!wire::build_frame(m, wire::kind_file_chunk, "account",
                "0123456789abcdef0123456789abcdef", "2content-file-name.png", payload.data(),
                payload.size()))
            return 1;
        stream.append(m.data(), m.length());
    }

    double best = 0;
    std::size_t delivered = 0;
    for (int run = 0; run < 7; ++run) {
        frame_parser parser;
        frame_record received;
        std::size_t count = 0;
        const auto start = std::chrono::steady_clock::now();
        for (std::size_t pos = 0; pos < stream.size(); pos += 2048) {
            const std::size_t n = std::min<std::size_t>(2048, stream.size() - pos);
            count += parser.cut_frames(
                stream.data() + pos, n, [&received](const frame_view& f) { received.assign(f); });
        }
        const double seconds
            = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        best = std::max(best, static_cast<double>(stream.size()) / seconds / 1e9);
        delivered = count;
    }
    if (delivered != frames) {
        std::fprintf(stderr, "parser delivered %zu of %zu frames\n", delivered, frames);
        return 1;
    }
    std::printf("BENCH parse_throughput %.2f GB/s\n", best);
    return 0;
}

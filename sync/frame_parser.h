// The stream parser that cuts frames out of received bytes, and its view of one frame.
#pragma once

#include "sync/frame_record.h"
#include "sync/wire_format.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// A complete frame inside the parser's bytes, valid only while the parser's callback runs.
struct frame_view {
    const unsigned char* bytes; // at head_magic
    std::uint64_t data_length; // at most wire::max_payload

    std::uint8_t kind() const { return bytes[wire::kind_offset]; }
    std::string_view id() const { return field(wire::id_offset, wire::id_field); }
    std::string_view pwd() const { return field(wire::pwd_offset, wire::pwd_field); }
    std::string_view tag() const { return field(wire::tag_offset, wire::tag_field); }
    const char* payload() const
    {
        return reinterpret_cast<const char*>(bytes + wire::payload_offset);
    }
    std::string_view payload_view() const
    {
        return { payload(), static_cast<std::size_t>(data_length) };
    }

private:
    // Up to the first zero byte, and never past the field even when a sender left none.
    std::string_view field(std::size_t offset, std::size_t size) const;
};

class frame_parser {
public:
    frame_parser() = default;
    frame_parser(frame_parser&&) noexcept = default;
    frame_parser& operator=(frame_parser&&) noexcept = default;
    frame_parser(const frame_parser&) = delete;
    frame_parser& operator=(const frame_parser&) = delete;

    // Appends received bytes to the stream and every frame they complete to out, in arrival
    // order. Returns whether out is non-empty.
    bool parse_data(const char* bytes, std::size_t count, std::vector<frame_record>& out);

    // The same cut without a record per frame: sink(const frame_view&) runs for each frame.
    // Returns the number of frames.
    template <typename Sink>
    std::size_t cut_frames(const char* bytes, std::size_t count, Sink&& sink)
    {
        using sink_type = std::remove_reference_t<Sink>;
        return cut(
            bytes, count,
            [](void* context, const frame_view& frame) {
                (*static_cast<sink_type*>(context))(frame);
            },
            &sink);
    }

    // Bytes received but not yet cut into frames.
    std::size_t buffered() const { return static_cast<std::size_t>(fill_); }

    // Frees the stream buffer while nothing is buffered; servers holding many idle
    // connections call it after each read.
    void release_idle_buffer();

    // Dropped bytes are counted instead of logged one line each: a server folds them per
    // connection, as a peer sending nothing but garbage must not turn into a log flood.
    void count_drops_quietly() { quiet_drops_ = true; }
    // Bytes dropped (garbage, broken frames, overflow) since the last call.
    std::uint64_t take_dropped_bytes()
    {
        const std::uint64_t d = dropped_;
        dropped_ = 0;
        return d;
    }

private:
    using sink_fn = void (*)(void* context, const frame_view& frame);
    std::size_t cut(const char* bytes, std::size_t count, sink_fn sink, void* context);
    std::size_t cut_range(const unsigned char* bytes, std::size_t count, sink_fn sink,
        void* context, std::size_t& frames);
    unsigned char* stream();
    void drop_oldest();
    void dropped(std::size_t bytes, const std::string& why);

    std::unique_ptr<unsigned char[]> stream_; // made on first need
    std::uint64_t fill_ = 0;
    std::uint64_t dropped_ = 0;
    bool quiet_drops_ = false;
};

#include "sync/frame_parser.h"

#include "sync/kmp_search.h"
#include "sync/wire_log.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

const text_search::kmp_search& head_search()
{
    static const text_search::kmp_search search(wire::head_magic_bytes, wire::head_size);
    return search;
}

const text_search::kmp_search& tail_search()
{
    static const text_search::kmp_search search(wire::tail_magic_bytes, wire::tail_size);
    return search;
}

} // namespace

std::string_view frame_view::field(std::size_t offset, std::size_t size) const
{
    return wire::field_text(reinterpret_cast<const char*>(bytes + offset), size);
}

bool frame_parser::parse_data(const char* bytes, std::size_t count, std::vector<frame_record>& out)
{
    cut_frames(bytes, count, [&out](const frame_view& frame) {
        out.emplace_back();
        out.back().assign(frame);
    });
    return !out.empty();
}

void frame_parser::dropped(std::size_t bytes, const std::string& why)
{
    dropped_ += bytes;
    if (!quiet_drops_)
        wire::log_error(why);
}

void frame_parser::release_idle_buffer()
{
    if (fill_ == 0)
        stream_.reset();
}

unsigned char* frame_parser::stream()
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
std::size_t frame_parser::cut_range(
    const unsigned char* bytes, std::size_t count, sink_fn sink, void* context, std::size_t& frames)
{
    const auto& heads = head_search();
    const auto& tails = tail_search();
    std::size_t pos = 0;
    while (count - pos >= wire::head_size) {
        const std::size_t found = heads.find(bytes + pos, count - pos);
        if (found == text_search::kmp_search::npos)
            return pos; // no start marker: keep the bytes, a marker may still be completed
        const std::size_t head = pos + found;
        dropped_ += found; // bytes before a start marker belong to no frame
        const std::size_t after_head = head + wire::head_size;
        const std::size_t tail_found = tails.find(bytes + after_head, count - after_head);
        if (tail_found == text_search::kmp_search::npos)
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
        const std::size_t next = heads.find(bytes + after_head, tail - after_head);
        const std::size_t resume = next == text_search::kmp_search::npos ? end : after_head + next;
        dropped(resume - head, "frame dropped: " + fault);
        pos = resume;
    }
    return pos;
}

// Makes room in a full stream buffer. The buffer holds either no start marker or one at its
// front whose end marker is nowhere behind it; so every start marker with a whole frame's
// room behind it can never complete and goes, up to the first one that still might (or,
// without one, all but the last few bytes, which may be the first part of a marker). Dropping
// them all at once keeps a stream of bare markers from costing a buffer scan per marker.
void frame_parser::drop_oldest()
{
    unsigned char* buffer = stream_.get();
    const std::size_t fill = static_cast<std::size_t>(fill_);
    const std::size_t from = fill > wire::max_frame ? fill - wire::max_frame + 1 : 1;
    const std::size_t next = head_search().find(buffer + from, fill - from);
    const std::size_t drop
        = next == text_search::kmp_search::npos ? fill - (wire::head_size - 1) : from + next;
    dropped(drop, "stream buffer full: dropped " + std::to_string(drop) + " bytes");
    std::memmove(buffer, buffer + drop, fill - drop);
    fill_ -= drop;
}

std::size_t frame_parser::cut(const char* bytes, std::size_t count, sink_fn sink, void* context)
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

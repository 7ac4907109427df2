// Turns fuzzer input into a byte stream rich in markers and frames, so that the fuzzers
// reach past the start-marker search: a small program of raw bytes, markers and frames.
#pragma once

#include "sync/frame_builder.h"
#include "sync/wire_format.h"

#include <cstdint>
#include <string>

class fuzz_input {
public:
    fuzz_input(const std::uint8_t* data, std::size_t size)
        : data_(data)
        , size_(size)
    {
    }
    bool empty() const { return pos_ >= size_; }
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::string bytes(std::size_t n)
    {
        if (n > size_ - pos_)
            n = size_ - pos_;
        std::string out(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Texts the history kinds carry: an index, or a batch of names with favourite codes.
inline std::string fuzz_history_text(fuzz_input& in)
{
    static const char* const pieces[] = { R"({"type":[)", R"("0",)", R"("11",)", R"("x",)",
        R"(],"content":[)", R"("1700000000000000001.txt",)", R"("../9.txt",)", R"("9.txt")",
        R"(],"md5":["0123456789abcdef0123456789abcdef"]})", "1700000000000000001.txt,", "..,",
        "101700000000000000002.png,", "01", "[[[[", "}", "," };
    std::string text;
    for (int n = in.byte() % 24; n > 0 && !in.empty(); --n)
        text += pieces[in.byte() % (sizeof pieces / sizeof pieces[0])];
    if (text.size() > wire::max_payload)
        text.resize(wire::max_payload);
    return text;
}

// A frame laid out by hand: fields may overflow their width, data_length may lie.
inline std::string fuzz_frame(fuzz_input& in, std::uint8_t flags)
{
    std::string frame(wire::payload_offset, '\0');
    auto* out = reinterpret_cast<unsigned char*>(frame.data());
    for (std::size_t i = 0; i < wire::head_size; ++i)
        out[i] = wire::head_magic_bytes[i];
    out[wire::kind_offset] = in.byte() % 24;
    const std::string id = in.bytes(in.byte() % 40);
    const std::string pwd = in.bytes(in.byte() % 40);
    frame.replace(
        wire::id_offset, std::min<std::size_t>(id.size(), wire::id_field), id, 0, wire::id_field);
    frame.replace(wire::pwd_offset, std::min<std::size_t>(pwd.size(), wire::pwd_field), pwd, 0,
        wire::pwd_field);
    if (flags & 0x40) {
        // A step or type digit and a name from a few, so that pieces of one file meet, and
        // names that must not become files.
        static const char* const names[] = { "1700000000000000001.txt", "1700000000000000002.png",
            "content.json", "9.txt", "..", "a/b", "", "123456789012345678901234567890123" };
        const std::uint8_t pick = in.byte();
        std::string tag(1, "01249"[pick % 5]);
        tag += names[(pick / 5) % 8];
        frame.replace(wire::tag_offset, std::min<std::size_t>(tag.size(), wire::tag_field), tag, 0,
            wire::tag_field);
    }
    for (std::size_t i = 0; i < 4; ++i)
        out[wire::mark_offset + i] = wire::mark_bytes[i];
    out[wire::format_offset] = wire::format_value;
    std::string payload;
    if (flags & 0x10)
        payload = wire::login_payload(in.bytes(in.byte() % 20));
    else if (flags & 0x80)
        payload = fuzz_history_text(in);
    else
        payload = in.bytes((std::size_t(in.byte()) << 8 | in.byte()) % 1100);
    std::uint64_t length = payload.size();
    if (flags & 0x20)
        length ^= in.byte(); // a lying data_length
    wire::store_le64(out + wire::length_offset, length);
    frame += payload;
    frame.append(reinterpret_cast<const char*>(wire::tail_magic_bytes), wire::tail_size);
    return frame;
}

inline std::string fuzz_stream(fuzz_input& in)
{
    std::string stream;
    while (!in.empty() && stream.size() < 64 * 1024) {
        const std::uint8_t op = in.byte();
        switch (op % 4) {
        case 0:
            stream += in.bytes(in.byte());
            break;
        case 1:
            stream.append(reinterpret_cast<const char*>(wire::head_magic_bytes), wire::head_size);
            break;
        case 2:
            stream.append(reinterpret_cast<const char*>(wire::tail_magic_bytes), wire::tail_size);
            break;
        default:
            stream += fuzz_frame(in, op);
            break;
        }
    }
    return stream;
}

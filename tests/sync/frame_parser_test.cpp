// Cutting frames out of a byte stream: splits, batches, garbage and the overflow rules.
#include "sync/frame_parser.h"
#include "tests/sync/wire_test_support.h"

#include <gtest/gtest.h>

namespace {

using texts = std::vector<std::string>;

// Feeds the reads one after another; the payloads of the frames they yield, in order.
texts payloads(frame_parser& parser, const texts& reads)
{
    std::vector<frame_record> out;
    for (const auto& read : reads) {
        parser.parse_data(read.data(), read.size(), out);
        EXPECT_LE(parser.buffered(), 4096u);
    }
    texts result;
    for (const auto& frame : out)
        result.emplace_back(frame.payload_view());
    return result;
}

TEST(FrameParser, SeveralFramesInOneReadOrByteByByteKeepTheirOrder)
{
    std::string stream;
    texts expected, single_bytes;
    for (int i = 0; i < 5; ++i) {
        expected.push_back(std::string(i * 200, 'a' + i)); // the first one empty
        stream += make_frame(static_cast<std::uint8_t>(10 + i), expected.back());
    }
    for (char c : stream)
        single_bytes.push_back(std::string(1, c));
    frame_parser at_once, byte_by_byte;
    EXPECT_EQ(payloads(at_once, { stream }), expected);
    // Every frame split at every point, each delivered once.
    EXPECT_EQ(payloads(byte_by_byte, single_bytes), expected);
    EXPECT_EQ(byte_by_byte.buffered(), 0u);
}

TEST(FrameParser, GarbageWithAndWithoutAMarker)
{
    frame_parser parser;
    // Garbage, even with part of a start marker, is dropped up to the marker; the bytes after
    // the frame wait for one.
    EXPECT_EQ(
        payloads(parser, { "garbage\xaa\xab noise" + make_frame(2, "x") + "tail" }), texts { "x" });
    EXPECT_EQ(parser.buffered(), 4u);
    // Garbage without a marker stays buffered, yields nothing and hides no frame behind it.
    EXPECT_EQ(payloads(parser, { std::string(300, 'g') }), texts {});
    EXPECT_EQ(parser.buffered(), 304u);
    EXPECT_EQ(payloads(parser, { make_frame(2, "after") }), texts { "after" });
    EXPECT_EQ(parser.buffered(), 0u);
}

TEST(FrameParser, BrokenFrameIsDroppedAndTheNextKept)
{
    const auto with_length = [](std::string frame, const std::string& length) {
        frame.replace(123, 8, length + std::string(8 - length.size(), '\0'));
        return frame;
    };
    const std::string abc = make_frame(7, "abc"), whole = make_frame(7, std::string(500, 'w'));
    const std::string end_marker("\xae\xbe\xce\xde\x0a\x0b\x0c\x0d", 8);
    const struct {
        const char* what;
        std::string bytes;
        const char* logged;
    } cases[] = {
        { "data_length 1025", with_length(abc, "\x01\x04"), "exceeds 1024" },
        { "data_length 2^64-1", with_length(abc, std::string(8, '\xff')), "exceeds 1024" },
        { "data_length past the end marker", with_length(abc, "\x0a"), "does not end" },
        { "data_length short of the end marker", with_length(make_frame(7, "abcdef"), "\x02"),
            "does not end" },
        // Its start marker pairs with the end marker of the whole frame behind it.
        { "a truncated frame", whole.substr(0, 300), "does not end" },
        // The frame ends at the first marker, where its data_length cannot end.
        { "an end marker inside the payload", make_frame(7, "before" + end_marker + "after"),
            "does not end at its end marker" },
    };
    for (const auto& c : cases) {
        captured_log log;
        frame_parser parser;
        EXPECT_EQ(payloads(parser, { c.bytes + whole }), texts { std::string(500, 'w') }) << c.what;
        EXPECT_TRUE(log.contains(c.logged)) << c.what;
        EXPECT_EQ(parser.buffered(), 0u) << c.what;
    }
}

// Bytes that would overflow the 4096-byte stream buffer drop the oldest ones up to the next
// start marker, or, without one, all but what may be the first part of a marker.
TEST(FrameParser, OverflowDropsTheOldestBytesAndKeepsTheFramesAfter)
{
    const std::string frame = make_frame(7, std::string(1000, 'f')), g(1000, 'g');
    std::string many;
    for (int i = 0; i < 20; ++i)
        many += make_frame(7, std::string(1024, 'a' + i));
    const struct {
        const char* what;
        texts reads;
        std::size_t frames;
    } cases[] = {
        { "no marker, overflowing inside the marker's first half",
            { g + g + g + g, g.substr(0, 200) + frame.substr(0, 10), frame.substr(10) }, 1 },
        { "a start marker that never gets its end",
            { frame.substr(0, 100) + g.substr(0, 900), g, g, g, g, frame }, 1 },
        { "a start marker without an end, garbage, then most of a frame",
            { frame.substr(0, 16) + g + g + g + frame.substr(0, 1100), frame.substr(1100) }, 1 },
        { "one huge read", { std::string(10000, 'g') + many + std::string(9000, 'g') }, 20 },
    };
    for (const auto& c : cases) {
        captured_log log;
        frame_parser parser;
        const texts got = payloads(parser, c.reads);
        ASSERT_EQ(got.size(), c.frames) << c.what;
        EXPECT_EQ(got.back(), c.frames == 1 ? std::string(1000, 'f') : std::string(1024, 'a' + 19))
            << c.what;
        EXPECT_TRUE(log.contains("stream buffer full")) << c.what;
    }
}

TEST(FrameParser, ReleasedIdleBufferIsRebuiltOnDemand)
{
    frame_parser parser;
    const std::string frame = make_frame(2, "x");
    payloads(parser, { frame.substr(0, 50) });
    parser.release_idle_buffer(); // ignored while bytes are pending
    EXPECT_EQ(payloads(parser, { frame.substr(50) }), texts { "x" });
    parser.release_idle_buffer();
    EXPECT_EQ(payloads(parser, { frame.substr(0, 50), frame.substr(50) }), texts { "x" });
}

TEST(FrameParser, MalformedInputStaysInBounds)
{
    // Text fields without a terminator end at their width.
    std::string frame = make_frame(2, "");
    for (std::size_t i = 18; i < 118; ++i)
        frame[i] = 'z';
    frame_parser parser;
    std::vector<frame_record> out;
    ASSERT_TRUE(parser.parse_data(frame.data(), frame.size(), out));
    EXPECT_EQ(out[0].id_text().size(), 33u);
    EXPECT_EQ(out[0].pwd_text().size(), 33u);
    EXPECT_EQ(out[0].tag_text().size(), 34u);

    captured_log log;
    std::vector<frame_record> none;
    EXPECT_FALSE(parser.parse_data(nullptr, 10, none));
    EXPECT_TRUE(log.contains("parse_data"));
}

} // namespace

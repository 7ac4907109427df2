// Cutting frames out of a byte stream: splits, batches, garbage and the overflow rules.
#include "sync/chat_content.h"
#include "sync/wire_kinds.h"
#include "tests/sync/wire_test_support.h"

#include <gtest/gtest.h>

namespace {

std::vector<chat_content> feed(chat_content& parser, const std::string& bytes)
{
    std::vector<chat_content> out;
    parser.parse_data(bytes.data(), bytes.size(), out);
    return out;
}

TEST(StreamParser, OneFrameWithAllFields)
{
    chat_content parser;
    const auto out = feed(parser, make_frame(7, "payload", "acc", "dig", "2file.txt"));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].kind, 7);
    EXPECT_EQ(out[0].id_text(), "acc");
    EXPECT_EQ(out[0].pwd_text(), "dig");
    EXPECT_EQ(out[0].tag_text(), "2file.txt");
    EXPECT_EQ(out[0].data_length, 7u);
    EXPECT_EQ(out[0].payload_view(), "payload");
    EXPECT_EQ(out[0].tail_magic, wire::tail_magic_value);
    EXPECT_EQ(out[0].format_byte, 1);
    EXPECT_EQ(parser.buffered(), 0u);
}

TEST(StreamParser, FrameSplitOverTwoReadsIsDeliveredOnceAfterTheSecond)
{
    const std::string frame = make_frame(3, std::string(93, 'h'));
    // Every split point, including inside both markers.
    for (std::size_t cut = 1; cut < frame.size(); ++cut) {
        chat_content parser;
        EXPECT_TRUE(feed(parser, frame.substr(0, cut)).empty()) << "cut " << cut;
        const auto out = feed(parser, frame.substr(cut));
        ASSERT_EQ(out.size(), 1u) << "cut " << cut;
        EXPECT_EQ(out[0].payload_view(), std::string(93, 'h'));
        EXPECT_EQ(parser.buffered(), 0u);
    }
}

TEST(StreamParser, SeveralFramesInOneReadKeepTheirOrder)
{
    chat_content parser;
    std::string stream;
    for (int i = 0; i < 5; ++i)
        stream += make_frame(static_cast<std::uint8_t>(10 + i), std::string(i * 200, 'a' + i));
    const auto out = feed(parser, stream);
    ASSERT_EQ(out.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(out[i].kind, 10 + i);
        EXPECT_EQ(out[i].payload_view(), std::string(i * 200, 'a' + i));
    }
}

TEST(StreamParser, ByteByByteDelivery)
{
    chat_content parser;
    const std::string stream = make_frame(2, "one") + make_frame(4, "") + make_frame(7, "three");
    std::vector<chat_content> out;
    for (char c : stream)
        parser.parse_data(&c, 1, out);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[1].kind, 4);
    EXPECT_EQ(out[2].payload_view(), "three");
}

TEST(StreamParser, GarbageBeforeAStartMarkerIsDropped)
{
    chat_content parser;
    const auto out = feed(parser, "garbage\xaa\xab noise" + make_frame(2, "x") + "tail");
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].payload_view(), "x");
    EXPECT_EQ(parser.buffered(), 4u); // bytes after the frame wait for a marker
}

TEST(StreamParser, GarbageWithoutMarkerStaysBufferedAndYieldsNothing)
{
    chat_content parser;
    EXPECT_TRUE(feed(parser, std::string(300, 'g')).empty());
    EXPECT_EQ(parser.buffered(), 300u);
    // The buffered garbage does not hide a frame that follows.
    const auto out = feed(parser, make_frame(2, "after"));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(parser.buffered(), 0u);
}

TEST(StreamParser, EndMarkerInsideThePayloadDropsThatFrameOnly)
{
    captured_log log;
    const std::string marker("\xae\xbe\xce\xde\x0a\x0b\x0c\x0d", 8);
    const std::string stream = make_frame(7, "before" + marker + "after") + make_frame(7, "next");
    for (std::size_t cut :
        { std::size_t(0), std::size_t(140), std::size_t(145), std::size_t(160) }) {
        chat_content parser;
        std::vector<chat_content> out;
        parser.parse_data(stream.data(), cut, out);
        parser.parse_data(stream.data() + cut, stream.size() - cut, out);
        // The frame ends at the first marker, where its data_length cannot end; the rest of
        // it is garbage in front of the next start marker.
        ASSERT_EQ(out.size(), 1u) << "cut " << cut;
        EXPECT_EQ(out[0].payload_view(), "next");
        EXPECT_EQ(parser.buffered(), 0u);
    }
    EXPECT_TRUE(log.contains("does not end at its end marker"));
}

TEST(StreamParser, OversizeLengthDropsTheFrameAndKeepsTheNext)
{
    captured_log log;
    std::string bad = make_frame(7, "abc");
    bad[123] = 0x01;
    bad[124] = 0x04; // data_length 0x401 = 1025
    chat_content parser;
    const auto out = feed(parser, bad + make_frame(2, "good"));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].payload_view(), "good");
    EXPECT_TRUE(log.contains("exceeds 1024"));
}

TEST(StreamParser, HugeLengthNeverReadsPastTheBuffer)
{
    captured_log log;
    std::string bad = make_frame(7, "abc");
    for (std::size_t i = 123; i < 131; ++i)
        bad[i] = '\xff';
    chat_content parser;
    EXPECT_TRUE(feed(parser, bad).empty());
    EXPECT_TRUE(log.contains("exceeds 1024"));
}

TEST(StreamParser, LengthRunningPastTheEndMarkerDropsTheFrame)
{
    captured_log log;
    std::string bad = make_frame(7, "abc");
    bad[123] = 10; // claims 10 bytes, the marker stands after 3
    chat_content parser;
    const auto out = feed(parser, bad + make_frame(2, "good"));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].payload_view(), "good");
    EXPECT_TRUE(log.contains("does not end at its end marker"));
}

TEST(StreamParser, ShortLengthBeforeTheEndMarkerDropsTheFrame)
{
    captured_log log;
    std::string bad = make_frame(7, "abcdef");
    bad[123] = 2; // the marker stands 4 bytes later than data_length says
    chat_content parser;
    const auto out = feed(parser, bad + make_frame(2, "good"));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].payload_view(), "good");
}

TEST(StreamParser, TruncatedFrameFollowedByAWholeOne)
{
    captured_log log;
    const std::string whole = make_frame(7, std::string(500, 'w'));
    chat_content parser;
    const auto out = feed(parser, whole.substr(0, 300) + whole);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].payload_view(), std::string(500, 'w'));
}

TEST(StreamParser, OverflowDropsOldGarbageButKeepsAPartialMarker)
{
    captured_log log;
    const std::string frame = make_frame(2, "survivor");
    chat_content parser;
    std::vector<chat_content> out;
    const std::string garbage(4000, 'g');
    parser.parse_data(garbage.data(), garbage.size(), out);
    // More garbage ending in the first half of a marker overflows the 4096-byte buffer.
    const std::string more = std::string(200, 'g') + frame.substr(0, 10);
    parser.parse_data(more.data(), more.size(), out);
    EXPECT_LE(parser.buffered(), wire::stream_capacity);
    EXPECT_TRUE(log.contains("dropped"));
    parser.parse_data(frame.data() + 10, frame.size() - 10, out);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].payload_view(), "survivor");
}

TEST(StreamParser, OverflowDropsAStartMarkerThatNeverGotItsEnd)
{
    captured_log log;
    const std::string frame = make_frame(2, "survivor");
    chat_content parser;
    std::vector<chat_content> out;
    // A start marker followed by 5000 bytes without an end marker, in reads of 1000.
    const std::string stuck = frame.substr(0, 100) + std::string(4900, 'g');
    for (std::size_t i = 0; i < stuck.size(); i += 1000)
        parser.parse_data(stuck.data() + i, 1000, out);
    EXPECT_TRUE(out.empty());
    EXPECT_LE(parser.buffered(), wire::stream_capacity);
    EXPECT_TRUE(log.contains("stream buffer full"));
    parser.parse_data(frame.data(), frame.size(), out);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].payload_view(), "survivor");
}

TEST(StreamParser, OverflowKeepsTheNextStartMarker)
{
    captured_log log;
    const std::string frame = make_frame(7, std::string(1000, 'f'));
    chat_content parser;
    std::vector<chat_content> out;
    // A marker without an end, garbage, then most of a real frame: the overflow must drop
    // only up to the real frame's marker.
    const std::string stream = frame.substr(0, 16) + std::string(3000, 'g') + frame.substr(0, 1100);
    parser.parse_data(stream.data(), stream.size(), out);
    EXPECT_TRUE(out.empty());
    parser.parse_data(frame.data() + 1100, frame.size() - 1100, out);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].payload_view(), std::string(1000, 'f'));
}

TEST(StreamParser, OneHugeReadIsCutWithoutOverflowingTheBuffer)
{
    captured_log log;
    std::string stream(10000, 'g');
    for (int i = 0; i < 20; ++i)
        stream += make_frame(7, std::string(1024, 'a' + i % 26));
    stream += std::string(9000, 'g');
    chat_content parser;
    const auto out = feed(parser, stream);
    ASSERT_EQ(out.size(), 20u);
    EXPECT_EQ(out[19].payload_view(), std::string(1024, 'a' + 19));
    EXPECT_LE(parser.buffered(), wire::stream_capacity);
}

TEST(StreamParser, ReleasedIdleBufferIsRebuiltOnDemand)
{
    chat_content parser;
    const std::string frame = make_frame(2, "x");
    feed(parser, frame.substr(0, 50));
    parser.release_idle_buffer(); // ignored while bytes are pending
    EXPECT_EQ(feed(parser, frame.substr(50)).size(), 1u);
    parser.release_idle_buffer();
    EXPECT_EQ(feed(parser, frame.substr(0, 50)).size(), 0u);
    EXPECT_EQ(feed(parser, frame.substr(50)).size(), 1u);
}

TEST(StreamParser, FieldsWithoutTerminatorStayInsideTheirWidth)
{
    std::string frame = make_frame(2, "");
    for (std::size_t i = 18; i < 118; ++i)
        frame[i] = 'z';
    chat_content parser;
    const auto out = feed(parser, frame);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].id_text().size(), 33u);
    EXPECT_EQ(out[0].pwd_text().size(), 33u);
    EXPECT_EQ(out[0].tag_text().size(), 34u);
}

TEST(StreamParser, NullBytesAreRejected)
{
    captured_log log;
    chat_content parser;
    std::vector<chat_content> out;
    EXPECT_FALSE(parser.parse_data(nullptr, 10, out));
    EXPECT_TRUE(log.contains("parse_data"));
}

} // namespace

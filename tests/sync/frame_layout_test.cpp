// The byte layout the server and older clients rely on.
#include "sync/frame_parser.h"
#include "sync/md5.h"
#include "tests/sync/wire_test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameLayout, EveryByteAtItsOffsetAndBack)
{
    const auto padded = [](std::string text, std::size_t width) {
        text.resize(width, '\0');
        return text;
    };
    const std::string payload(300, 'p');
    // Start marker, kind 7 and a zero byte, the zero-padded id, pwd and tag, the mark, format
    // byte 1, data_length 300 as eight little-endian bytes, the payload, the end marker.
    const std::string expected
        = std::string(
              "\xaa\xab\xac\xbb\xba\xbc\xcc\xca\xcb\xdd\xda\xdb\xee\xea\xff\xfa\x07\x00", 18)
        + padded("acc", 33) + padded("dig", 33) + padded("1name.txt", 34) + "\x01\x02\x03\x05\x01"
        + padded("\x2c\x01", 8) + payload + "\xae\xbe\xce\xde\x0a\x0b\x0c\x0d";
    EXPECT_EQ(make_frame(7, payload, "acc", "dig", "1name.txt"), expected);

    frame_parser parser;
    std::vector<frame_record> out;
    ASSERT_TRUE(parser.parse_data(expected.data(), expected.size(), out));
    EXPECT_EQ(out[0].kind, 7);
    EXPECT_EQ(out[0].id_text(), "acc");
    EXPECT_EQ(out[0].pwd_text(), "dig");
    EXPECT_EQ(out[0].tag_text(), "1name.txt");
    EXPECT_EQ(out[0].payload_view(), payload);
}

TEST(FrameLayout, OversizeTextOrPayloadIsNotSent)
{
    captured_log log;
    const std::string t32(32, 'a'), t33(33, 'a'), t34(34, 'a'), data(1025, 'z');
    frame_buffer message;
    EXPECT_TRUE(wire::build_frame(message, 7, t32, t32, t33, data.data(), 1024));
    const struct {
        std::string id, pwd, tag;
        std::size_t length;
    } too_long[] = { { t33, "p", "", 0 }, { "i", t33, "", 0 }, { "i", "p", t34, 0 },
        { "i", "p", "", 1025 } };
    for (const auto& c : too_long) {
        frame_buffer m;
        EXPECT_FALSE(wire::build_frame(m, 7, c.id, c.pwd, c.tag, data.data(), c.length));
        EXPECT_EQ(m.length(), 0u);
    }
    EXPECT_FALSE(wire::build_register(message, t33, "pw"));
    EXPECT_FALSE(frame_record::pack(nullptr, data.data(), 3, "i", "p", "", 7));
    EXPECT_TRUE(log.contains("too long"));
    EXPECT_TRUE(log.contains("exceeds 1024"));
}

// Found by fuzzing: an empty view may carry a null pointer, which must never reach memcpy;
// nor may the missing payload buffer of a moved-from record.
TEST(FrameLayout, NullViewsAndMovedFromRecords)
{
    frame_buffer message;
    ASSERT_TRUE(wire::build_frame(
        message, 10, std::string_view {}, std::string_view {}, std::string_view {}, nullptr, 0));
    EXPECT_EQ(message.length(), 139u);
    EXPECT_EQ(bytes_of(message).substr(18, 100), std::string(100, '\0'));
    frame_record moved_from;
    frame_record target = std::move(moved_from);
    frame_record copy;
    copy.copy_from(moved_from);
    EXPECT_EQ(copy.payload_view().size(), 0u);
}

TEST(Md5, KnownDigests)
{
    // 56 and 64 bytes cross the one-or-two padding block boundary.
    const std::pair<std::string, const char*> cases[] = {
        { "", "d41d8cd98f00b204e9800998ecf8427e" },
        { "abc", "900150983cd24fb0d6963f7d28e17f72" },
        { std::string(56, 'a'), "3b0c8ac703f828b04c6c197006d17218" },
        { std::string(64, 'a'), "014842d480b571495a4a0363793f7367" },
    };
    for (const auto& [text, digest] : cases) {
        EXPECT_EQ(wire::md5_hex(text), digest) << text;
        // The same in uneven pieces, which straddle the 64-byte blocks.
        wire::md5_stream pieces;
        for (std::size_t at = 0, n = 1; at < text.size(); at += n, n = n * 3 % 70 + 1)
            pieces.Add(std::string_view(text).substr(at, n));
        EXPECT_EQ(pieces.Hex(), digest) << text;
    }
}

} // namespace

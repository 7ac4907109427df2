// Frame sizes and the byte layout the server and older clients rely on.
#include "sync/anonymous_account.h"
#include "sync/chat_content.h"
#include "sync/md5.h"
#include "sync/wire_kinds.h"
#include "tests/sync/wire_test_support.h"

#include <gtest/gtest.h>

namespace {

unsigned byte_at(const std::string& frame, std::size_t offset)
{
    return static_cast<unsigned char>(frame.at(offset));
}

TEST(FrameLayout, SizesOfEachMessage)
{
    chat_message login, heartbeat, reg, chunk, end;
    const std::string digest = wire::md5_hex("secret");
    ASSERT_TRUE(wire::build_login(login, "someone@example.org", digest));
    ASSERT_TRUE(wire::build_heartbeat(heartbeat, digest));
    ASSERT_TRUE(wire::build_register(reg, "someone", "secret"));
    const std::string data(1024, 'x');
    ASSERT_TRUE(wire::build_frame(
        chunk, wire::kind_file_chunk, "a", digest, "1file.png", data.data(), data.size()));
    ASSERT_TRUE(
        wire::build_frame(end, wire::kind_file_chunk, "a", digest, "4file.png", nullptr, 0));

    EXPECT_EQ(login.length(), 161u);
    EXPECT_EQ(heartbeat.length(), 232u);
    EXPECT_EQ(reg.length(), 139u);
    EXPECT_EQ(chunk.length(), 1163u);
    EXPECT_EQ(end.length(), 139u);
}

TEST(FrameLayout, EveryFieldAtItsOffset)
{
    const std::string payload = "abc";
    const std::string frame = make_frame(7, payload, "acc", "dig", "1name.txt");
    ASSERT_EQ(frame.size(), 142u);

    const unsigned head[] = { 0xaa, 0xab, 0xac, 0xbb, 0xba, 0xbc, 0xcc, 0xca, 0xcb, 0xdd, 0xda,
        0xdb, 0xee, 0xea, 0xff, 0xfa };
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_EQ(byte_at(frame, i), head[i]) << "head byte " << i;
    EXPECT_EQ(byte_at(frame, 16), 7u);
    EXPECT_EQ(byte_at(frame, 17), 0u);
    EXPECT_EQ(frame.substr(18, 4), std::string("acc\0", 4));
    EXPECT_EQ(frame.substr(51, 4), std::string("dig\0", 4));
    EXPECT_EQ(frame.substr(84, 10), std::string("1name.txt\0", 10));
    // Text fields are zero-padded to their full width.
    for (std::size_t i = 21; i < 51; ++i)
        EXPECT_EQ(byte_at(frame, i), 0u) << "id padding " << i;
    for (std::size_t i = 93; i < 118; ++i)
        EXPECT_EQ(byte_at(frame, i), 0u) << "tag padding " << i;
    EXPECT_EQ(byte_at(frame, 118), 1u);
    EXPECT_EQ(byte_at(frame, 119), 2u);
    EXPECT_EQ(byte_at(frame, 120), 3u);
    EXPECT_EQ(byte_at(frame, 121), 5u);
    EXPECT_EQ(byte_at(frame, 122), 1u);
    EXPECT_EQ(byte_at(frame, 123), 3u); // data_length, little-endian
    for (std::size_t i = 124; i < 131; ++i)
        EXPECT_EQ(byte_at(frame, i), 0u);
    EXPECT_EQ(frame.substr(131, 3), payload);
    const unsigned tail[] = { 0xae, 0xbe, 0xce, 0xde, 0x0a, 0x0b, 0x0c, 0x0d };
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(byte_at(frame, 134 + i), tail[i]) << "tail byte " << i;
}

TEST(FrameLayout, LoginAndHeartbeatPayloads)
{
    chat_message login, heartbeat;
    const std::string digest = wire::md5_hex("pw");
    ASSERT_TRUE(wire::build_login(login, "acc", digest));
    ASSERT_TRUE(wire::build_heartbeat(heartbeat, digest));
    const std::string l = frame_bytes(login);
    EXPECT_EQ(byte_at(l, 131), 14u); // version length as 8 bytes
    for (std::size_t i = 132; i < 139; ++i)
        EXPECT_EQ(byte_at(l, i), 0u);
    EXPECT_EQ(l.substr(139, 14), "1.0.0.20181001");

    const std::string h = frame_bytes(heartbeat);
    EXPECT_EQ(h.substr(18, 10), std::string(wire::heartbeat_id) + '\0');
    EXPECT_EQ(h.substr(51, 32), digest);
    EXPECT_EQ(byte_at(h, 123), 93u);
    EXPECT_EQ(h.substr(131, 91),
        R"({ "from" : "client", "to" : "server", "message" : "heart_beat", "data" : { "msg" : "null" })");
    EXPECT_EQ(byte_at(h, 222), 0u);
    EXPECT_EQ(byte_at(h, 223), 0u);
}

TEST(FrameLayout, AnonymousAccountShape)
{
    EXPECT_EQ(wire::heartbeat_id.size(), 9u);
    EXPECT_EQ(wire::anonymous_account, "#" + std::string(wire::heartbeat_id));
    ASSERT_EQ(wire::anonymous_password.size(), 9u);
    EXPECT_EQ(wire::anonymous_password[0], '#');
    for (char c : wire::anonymous_password.substr(1))
        EXPECT_TRUE(c >= 'a' && c <= 'z');
}

TEST(FrameLayout, TextsThatDoNotFitAreNotSent)
{
    captured_log log;
    chat_message message;
    const std::string text32(32, 'a'), text33(33, 'a'), text34(34, 'a');
    EXPECT_TRUE(wire::build_frame(message, 7, text32, text32, text33, nullptr, 0));
    EXPECT_FALSE(wire::build_frame(message, 7, text33, "p", "", nullptr, 0));
    EXPECT_FALSE(wire::build_frame(message, 7, "i", text33, "", nullptr, 0));
    EXPECT_FALSE(wire::build_frame(message, 7, "i", "p", text34, nullptr, 0));
    EXPECT_FALSE(wire::build_register(message, text33, "pw"));
    EXPECT_TRUE(log.contains("too long"));
}

// Found by fuzzing: an empty view may carry a null pointer, which must never reach memcpy.
TEST(FrameLayout, EmptyTextsFromNullViewsBuildZeroFields)
{
    chat_message message;
    ASSERT_TRUE(wire::build_frame(
        message, 10, std::string_view {}, std::string_view {}, std::string_view {}, nullptr, 0));
    const std::string frame = frame_bytes(message);
    EXPECT_EQ(frame.size(), 139u);
    EXPECT_EQ(frame.substr(18, 100), std::string(100, '\0'));
    chat_content moved_from;
    chat_content target = std::move(moved_from);
    chat_content copy;
    copy.copy_from(moved_from); // no payload buffer to copy from
    EXPECT_EQ(copy.payload_view().size(), 0u);
}

TEST(FrameLayout, PayloadOver1024IsNotSent)
{
    captured_log log;
    chat_message message;
    const std::string big(1025, 'z');
    EXPECT_FALSE(wire::build_frame(message, 7, "i", "p", "", big.data(), big.size()));
    EXPECT_EQ(message.length(), 0u);
    EXPECT_TRUE(log.contains("exceeds 1024"));
    EXPECT_FALSE(chat_content::pack(nullptr, big.data(), 3, "i", "p", "", 7));
}

TEST(FrameLayout, PackageLengthNeverAbove2048)
{
    chat_message message;
    EXPECT_EQ(message.length(), 0u);
    message.set_length(1163);
    EXPECT_EQ(message.length(), 1163u);
    message.set_length(2048);
    EXPECT_EQ(message.length(), 2048u);
    message.set_length(5000);
    EXPECT_EQ(message.length(), chat_message::max_package_length);
}

TEST(FrameLayout, ReplyTextRoundTrip)
{
    chat_message reply;
    ASSERT_TRUE(wire::build_reply(reply, 2, "Login success!", "acc", "dig"));
    std::vector<chat_content> out;
    chat_content parser;
    ASSERT_TRUE(parser.parse_data(reply.data(), reply.length(), out));
    EXPECT_EQ(out[0].id_text(), "acc");
    EXPECT_EQ(out[0].pwd_text(), "dig");
    EXPECT_EQ(wire::reply_text(out[0].payload_view()).value_or(""), "Login success!");

    EXPECT_FALSE(wire::reply_text("Server ASK: No Money. Disconnected!"));
    EXPECT_FALSE(wire::reply_text(R"({"data":"x"})"));
    EXPECT_FALSE(wire::reply_text(R"({"data":{"msg":3}})"));
    EXPECT_EQ(
        wire::reply_text(std::string(R"({"data":{"msg":"a"}})") + '\0' + '\0').value_or(""), "a");
}

TEST(Md5, KnownDigests)
{
    EXPECT_EQ(wire::md5_hex(""), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(wire::md5_hex("abc"), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(wire::md5_hex("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
    // 56 and 64 bytes cross the one-or-two padding block boundary.
    EXPECT_EQ(
        wire::md5_hex(
            "12345678901234567890123456789012345678901234567890123456789012345678901234567890"),
        "57edf4a22be3c955ac49da2e2107b67a");
    EXPECT_EQ(wire::md5_hex(std::string(56, 'a')), "3b0c8ac703f828b04c6c197006d17218");
    EXPECT_EQ(wire::md5_hex(std::string(64, 'a')), "014842d480b571495a4a0363793f7367");
}

} // namespace

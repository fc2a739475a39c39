#include "wire/frame.h"

#include <gtest/gtest.h>

namespace {

std::string unmasked(std::string bytes, std::uint8_t key) {
    wire::mask(bytes, key);
    return bytes;
}

TEST(Base64, KnownVectorsRoundTrip) {
    const std::pair<std::string, std::string> vectors[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
    };
    for (const auto& [plain, encoded] : vectors) {
        EXPECT_EQ(wire::base64Encode(plain), encoded) << plain;
        const auto back = wire::base64Decode(encoded);
        EXPECT_EQ(back.bytes, plain);
        EXPECT_EQ(back.invalidCharacters, 0u);
        EXPECT_FALSE(back.truncated);
    }
}

TEST(Base64, LineBreakAfterEveryFullLineIncludingTheLast) {
    // 57 bytes make exactly 76 characters: the line break follows even at the end.
    const std::string text57(57, 'a');
    const std::string encoded = wire::base64Encode(text57);
    ASSERT_EQ(encoded.size(), 78u);
    EXPECT_EQ(encoded.substr(76), "\r\n");

    // 58 bytes: 76 characters, CR LF, then a padded group with no break after it.
    const std::string encoded58 = wire::base64Encode(std::string(58, 'a'));
    ASSERT_EQ(encoded58.size(), 82u);
    EXPECT_EQ(encoded58.substr(76, 2), "\r\n");
    EXPECT_EQ(encoded58.substr(78), "YQ==");

    // 114 bytes: two full lines, two breaks.
    const std::string encoded114 = wire::base64Encode(std::string(114, 'z'));
    EXPECT_EQ(encoded114.size(), 156u);
    EXPECT_EQ(wire::base64Decode(encoded114).bytes, std::string(114, 'z'));
}

TEST(Base64, DecoderNeverReadsPastTheText) {
    auto cut = wire::base64Decode("Zm9vYmF");
    EXPECT_TRUE(cut.truncated);
    EXPECT_EQ(cut.bytes, "fooba");
    auto odd = wire::base64Decode("Zm\xff\x80");
    EXPECT_EQ(odd.invalidCharacters, 2u);
    EXPECT_EQ(odd.bytes.size(), 3u);
    EXPECT_EQ(wire::base64Decode("\r\n\r\n").bytes, "");
}

TEST(Request, FiftySevenByteJsonGivesEightyTwoBytes) {
    const std::string json = R"({"system":2,"id":12345,"sessionid":"abcdefghijklmnop123"})";
    ASSERT_EQ(json.size(), 57u);
    const std::string body = wire::encodeRequest(json, 0x6B);
    ASSERT_EQ(body.size(), 82u);
    EXPECT_EQ(body[0], '2');
    EXPECT_EQ(static_cast<std::uint8_t>(body[1]), 0x6B);
    EXPECT_EQ(static_cast<std::uint8_t>(body[2]), 0x6B);
    EXPECT_EQ(static_cast<std::uint8_t>(body[3]), 0x6B);
    // The CR LF are masked like the rest.
    EXPECT_EQ(unmasked(body.substr(80), 0x6B), "\r\n");
    const auto decoded = wire::decodeBody(body);
    ASSERT_TRUE(decoded.ok) << decoded.error;
    EXPECT_EQ(decoded.text, json);
}

TEST(Answer, KeyDigitSelectsTheKeyByte) {
    const std::string json = R"({"response":1,"text":"你好"})";
    for (char digit : {'0', '1', '2', '3'}) {
        const std::string body = wire::encodeAnswerBody(json, digit, 0x33);
        const std::uint8_t expectedKey = digit == '0' ? 0x30 : 0x33;
        EXPECT_EQ(unmasked(body.substr(4, 4), expectedKey), wire::base64Encode(json).substr(0, 4));
        const auto decoded = wire::decodeBody(body);
        ASSERT_TRUE(decoded.ok) << digit;
        EXPECT_EQ(decoded.text, json);
    }
}

TEST(Answer, RefusesHeadersThatNameNoKey) {
    EXPECT_FALSE(wire::decodeBody("").ok);
    EXPECT_FALSE(wire::decodeBody("12").ok);
    EXPECT_FALSE(wire::decodeBody("9abcdefg").ok);
    EXPECT_FALSE(wire::decodeBody(std::string("\x00\x01\x02\x03", 4)).ok);
    const auto headerOnly = wire::decodeBody("1kkk");
    EXPECT_TRUE(headerOnly.ok);
    EXPECT_EQ(headerOnly.text, "");
}

TEST(Length, LittleEndianPrefix) {
    const std::string framed = wire::frameAnswer(std::string(300, 'x'));
    ASSERT_EQ(framed.size(), 304u);
    EXPECT_EQ(static_cast<std::uint8_t>(framed[0]), 0x2C);
    EXPECT_EQ(static_cast<std::uint8_t>(framed[1]), 0x01);
    EXPECT_EQ(wire::readLength(framed), 300u);
    EXPECT_FALSE(wire::readLength("abc").has_value());
    EXPECT_EQ(wire::readLength(std::string("\xff\xff\xff\xff", 4)), 0xFFFFFFFFu);
}

} // namespace

#include "net/RequestReader.h"

#include "wire/frame.h"

#include <gtest/gtest.h>

namespace server {
namespace {

constexpr std::size_t kLimit = 64 * 1024;

// A game body with the key in position digit (the header's other bytes are filler).
std::string gameBody(const std::string& json, char digit, std::uint8_t key) {
    std::string header = {digit, 'x', 'y', 'z'};
    if (digit != '0') {
        header[digit - '0'] = static_cast<char>(key);
    } else {
        key = '0';
    }
    std::string payload = wire::base64Encode(json);
    wire::mask(payload, key);
    return header + payload;
}

TEST(RequestReader, GameBodyIsCompleteAtEverySplitPoint) {
    // 57 bytes: exactly 76 Base64 characters, so the text ends with a masked CR LF.
    const std::string json = R"({"system":10,"mac":"AABBCCDDEEFF","sessionid":"01234567"})";
    ASSERT_EQ(json.size(), 57u);
    const std::string body = wire::encodeRequest(json);
    ASSERT_EQ(body.size(), 82u);
    for (std::size_t cut = 0; cut <= body.size(); ++cut) {
        RequestReader reader(ServerRole::Game, kLimit);
        reader.feed(std::string_view(body).substr(0, cut));
        const auto status = reader.feed(std::string_view(body).substr(cut));
        ASSERT_EQ(status, RequestReader::Status::Complete) << "split at " << cut;
        EXPECT_EQ(reader.text(), json);
        // The masked CR LF after the 76th character is owed unless it came with the request.
        EXPECT_EQ(reader.lineBreakPending(), cut == 80 || cut == 81) << "split at " << cut;
    }
}

TEST(RequestReader, EveryKeyPositionIsUnderstood) {
    const std::string json = R"({"system":1,"text":"中文 and \"quotes\" {}"})";
    for (char digit : {'0', '1', '2', '3'}) {
        for (std::uint8_t key : {std::uint8_t{0x00}, std::uint8_t{0x6B}, std::uint8_t{0xFF}}) {
            RequestReader reader(ServerRole::Game, kLimit);
            ASSERT_EQ(reader.feed(gameBody(json, digit, key)), RequestReader::Status::Complete)
                << digit << " " << int(key) << ": " << reader.error();
            EXPECT_EQ(reader.text(), json);
            EXPECT_FALSE(reader.lineBreakPending()) << "a short text ends without a line break";
        }
    }
}

TEST(RequestReader, EntryObjectEndsAtItsClosingBrace) {
    struct Case {
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {R"({"a":1})", R"({"a":1})"},
        {" \r\n{\"a\":{\"b\":[1,{}]}}", " \r\n{\"a\":{\"b\":[1,{}]}}"},
        {R"({"a":"}\"{"}trailing)", R"({"a":"}\"{"})"},
        {R"({"a":"\\"})", R"({"a":"\\"})"},
    };
    for (const auto& c : cases) {
        for (std::size_t cut = 0; cut <= c.bytes.size(); ++cut) {
            RequestReader reader(ServerRole::Entry, kLimit);
            reader.feed(std::string_view(c.bytes).substr(0, cut));
            reader.feed(std::string_view(c.bytes).substr(cut));
            ASSERT_EQ(reader.status(), RequestReader::Status::Complete) << c.bytes << " cut " << cut;
            EXPECT_EQ(reader.text(), c.text);
        }
    }
    RequestReader open(ServerRole::Entry, kLimit);
    EXPECT_EQ(open.feed(R"({"a":"}")"), RequestReader::Status::NeedMore);
}

TEST(RequestReader, RefusesWhatIsNoRequest) {
    std::string notBase64 = "2kkk";
    notBase64 += static_cast<char>('!' ^ 'k');
    std::string lineBreakInGroup = gameBody(R"({"a":1})", '2', 0x6B);
    lineBreakInGroup.insert(6, 1, static_cast<char>('\n' ^ 0x6B));
    const struct {
        const char* what;
        ServerRole role;
        std::string bytes;
    } cases[] = {
        {"header digit out of range", ServerRole::Game, "4kkk"},
        {"header digit not a digit", ServerRole::Game, "Gkkk"},
        {"byte outside the alphabet", ServerRole::Game, notBase64},
        {"line break inside a group", ServerRole::Game, lineBreakInGroup},
        {"array instead of object", ServerRole::Game, wire::encodeRequest("[1,2]")},
        {"plain text", ServerRole::Game, wire::encodeRequest("hello")},
        {"HTTP to the entry server", ServerRole::Entry, "GET / HTTP/1.0\r\n\r\n"},
        {"closing bracket first", ServerRole::Entry, "}"},
        {"too deep", ServerRole::Entry, std::string(100, '{')},
        {"unbalanced close", ServerRole::Entry, " ]"},
    };
    for (const auto& c : cases) {
        RequestReader reader(c.role, kLimit);
        EXPECT_EQ(reader.feed(c.bytes), RequestReader::Status::Invalid) << c.what;
        EXPECT_FALSE(reader.error().empty()) << c.what;
    }
}

TEST(RequestReader, SizeLimitCountsRawBytes) {
    const std::string atLimit = "{\"a\":\"" + std::string(100 - 8, 'x') + "\"}";
    ASSERT_EQ(atLimit.size(), 100u);
    RequestReader fits(ServerRole::Entry, 100);
    EXPECT_EQ(fits.feed(atLimit), RequestReader::Status::Complete);

    const std::string over = "{\"a\":\"" + std::string(100 - 7, 'x') + "\"}";
    RequestReader tooLong(ServerRole::Entry, 100);
    EXPECT_EQ(tooLong.feed(over.substr(0, 60)), RequestReader::Status::NeedMore);
    EXPECT_EQ(tooLong.feed(over.substr(60)), RequestReader::Status::Invalid);
}

} // namespace
} // namespace server

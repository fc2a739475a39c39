#include "net/CReceviePacket.h"
#include "net/CSendPacket.h"
#include "quiz/QuizData.h"
#include "support/TestSupport.h"
#include "wire/frame.h"

#include <fstream>
#include <sstream>

namespace {

using test_support::ClientTest;

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

std::unique_ptr<CReceviePacket> answerPacket(int server, const std::string& frame) {
    auto packet = std::make_unique<CReceviePacket>();
    packet->setServerIndex(server);
    packet->setData(frame.data(), static_cast<int>(frame.size()), 3);
    return packet;
}

TEST(SendPacket, GameRequestOf57BytesIs82BytesOnTheWire) {
    const std::string json(R"({"system":1,"mac":"ABC","sessionid":"s1","id":12,"x":"y"})");
    ASSERT_EQ(json.size(), 57u);
    CSendPacket packet;
    packet.setServerIndex(1);
    packet.setData(json.data(), static_cast<int>(json.size()), 3);
    packet.pack();
    EXPECT_EQ(packet.length(), 82);
    const std::string wire(packet.data(), static_cast<std::size_t>(packet.length()));
    EXPECT_EQ(wire[0], '2');
    EXPECT_EQ(packet.data()[packet.length()], '\0');
    const auto decoded = wire::decodeBody(wire);
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.text, json);
}

TEST(SendPacket, EntryRequestStaysPlainJson) {
    const std::string json(R"({"system":2})");
    CSendPacket packet;
    packet.setServerIndex(0);
    packet.setData(json.data(), static_cast<int>(json.size()), 1);
    packet.pack();
    EXPECT_EQ(std::string(packet.data(), static_cast<std::size_t>(packet.length())), json);
}

TEST(ReceivePacket, HeaderDigitZeroUnmasksWithTheDigitItself) {
    const std::string json(R"({"response":1})");
    auto packet = answerPacket(1, wire::frameAnswer(wire::encodeAnswerBody(json, '0', 0x11)));
    ASSERT_TRUE(packet->unpack(3));
    EXPECT_EQ(packet->decodedText(), json);
}

TEST(ReceivePacket, RefusesFramesItCannotDecodeWithoutReadingPastThem) {
    const std::string good = wire::encodeAnswerBody(R"({"a":1})", '2', 0x33);
    std::string badDigit = good;
    badDigit[0] = '7';
    std::string longPrefix = wire::frameAnswer(good);
    longPrefix[0] = static_cast<char>(longPrefix[0] + 40); // announces more than arrived
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"digit outside 0-3", wire::frameAnswer(badDigit)},
        {"body shorter than header", wire::frameAnswer("2k")},
        {"prefix larger than the bytes", longPrefix},
        {"no prefix at all", std::string("\x01\x00", 2)},
    };
    for (const auto& [what, frame] : cases) {
        auto packet = answerPacket(1, frame);
        EXPECT_FALSE(packet->unpack(3)) << what;
        EXPECT_EQ(packet->decodedText(), "") << what;
    }
}

TEST(ReceivePacket, CharactersOutsideTheAlphabetDecodeSafely) {
    std::string payload = "eyJhIjoxfQ==";
    payload[3] = static_cast<char>(0xF0);
    wire::mask(payload, 0x44);
    const std::string body = std::string("1") + static_cast<char>(0x44) + "xx" + payload;
    auto packet = answerPacket(1, wire::frameAnswer(body));
    EXPECT_TRUE(packet->unpack(3));
    EXPECT_EQ(packet->decodedText().size(), 7u);
}

TEST(ReceivePacket, MediaNamesLoseTheirSeparators) {
    struct Case {
        const char* name;
        const char* file;
    };
    const Case cases[] = {
        {"img/a/b.png", "tmp_imgab.png"},
        {"../../etc/passwd", "tmp_....etcpasswd"},
        {"/abs/x.mp3", "tmp_absx.mp3"},
        {"back\\slash.mp4", "tmp_backslash.mp4"},
        {"", "tmp_"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CReceviePacket::mediaFilePath("/t/BrindleTemp/", c.name), std::string("/t/BrindleTemp/") + c.file);
    }
    const std::string longName(3000, 'n');
    EXPECT_EQ(CReceviePacket::mediaFilePath("/t/", longName), "/t/tmp_" + longName);
    EXPECT_EQ(CReceviePacket::mediaFilePath("/t", "a"), "/t/tmp_a");
    EXPECT_EQ(CReceviePacket::mediaFilePath("", "a"), "");
}

class MediaPacketTest : public ClientTest {};

TEST_F(MediaPacketTest, MediaIsSavedByteForByteInTheTemporaryFolder) {
    const std::string bytes = std::string("2\x00\xff\x10PNG", 7) + std::string(1000, '\x7f');
    CReceviePacket packet;
    packet.setServerIndex(1);
    packet.setMediaName("img/a/b.png");
    const std::string frame = wire::frameAnswer(bytes);
    packet.setData(frame.data(), static_cast<int>(frame.size()), kMediaRequestType);
    ASSERT_TRUE(packet.unpack(kMediaRequestType));
    const std::string path = QuizData::instance().string("img/a/b.png");
    EXPECT_EQ(path, m_platform->temp + "tmp_imgab.png");
    EXPECT_EQ(readFile(path), bytes);
}

TEST_F(MediaPacketTest, NoTemporaryFolderStoresAnEmptyPath) {
    m_platform->temp = "";
    CReceviePacket packet;
    packet.setServerIndex(1);
    packet.setMediaName("x.mp3");
    const std::string frame = wire::frameAnswer("abc");
    packet.setData(frame.data(), static_cast<int>(frame.size()), kMediaRequestType);
    EXPECT_TRUE(packet.unpack(kMediaRequestType));
    EXPECT_TRUE(QuizData::instance().hasString("x.mp3"));
    EXPECT_EQ(QuizData::instance().string("x.mp3"), "");
}

} // namespace

// The real server's log on standard error, as an operator reads it: one line per request with
// what the client asked and what it got, refusals with their reason, and never a password
// digest or a whole session id.
#include "TempDir.h"
#include "TestDatabase.h"
#include "integration/ChildServer.h"
#include "integration/TestClient.h"
#include "wire/frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <string_view>
#include <vector>

namespace server::test {
namespace {

const std::string kMac = "AABBCCDDEEFF";
const std::string kUser = "13800000017";
const std::string kDigest = "E10ADC3949BA59ABBE56E057F20F883E";
const std::string kWrongDigest = "0123456789ABCDEF0123456789ABCDEF";

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

Json::Value object(std::initializer_list<std::pair<const char*, Json::Value>> members) {
    Json::Value v(Json::objectValue);
    for (const auto& [name, value] : members) {
        v[name] = value;
    }
    return v;
}

struct Session {
    Json::Value login;
    Json::Value notices;  // the notice board answer
    Json::Value explains; // the help texts answer
    Json::Value account;  // the registered login answer
    Json::Value game(const ChildServer& server, Json::Value request) const {
        request["mac"] = kMac;
        request["sessionid"] = login["sessionid"];
        request["id"] = login["id"];
        return TestClient::game(server.gamePort(), request);
    }
};

// What a client does in a first session, plus a few things a hostile one does.
Session playScript(const ChildServer& server) {
    const int entry = server.entryPort();
    EXPECT_EQ(TestClient::entry(entry, object({{"system", 0}, {"version", "2.2.2"}}))["response"].asInt(), 1);
    Session guest;
    guest.login =
        TestClient::entry(entry, object({{"system", 2}, {"mac", kMac}, {"username", ""}, {"pwd", ""}, {"deviceid", 3}}));
    EXPECT_EQ(guest.login["response"].asInt(), 1);
    guest.notices = guest.game(server, object({{"system", 12}, {"act", 1}}));
    EXPECT_EQ(guest.notices["response"].asInt(), 1);
    guest.explains = guest.game(server, object({{"system", 21}}));
    EXPECT_EQ(guest.explains["response"].asInt(), 1);
    EXPECT_EQ(guest.game(server, object({{"system", 10}}))["response"].asInt(), 1);
    EXPECT_EQ(guest.game(server, object({{"system", 99}}))["response"].asInt(), 0);
    EXPECT_FALSE(TestClient::exchange(server.gamePort(), "7abc" + wire::encodeRequest("{}").substr(4)).answered);

    EXPECT_EQ(TestClient::entry(entry, object({{"system", 1}, {"username", kUser}, {"pwd", kDigest}, {"mac", kMac}}))
                  ["response"].asInt(), 1);
    EXPECT_EQ(TestClient::entry(entry, object({{"system", 2}, {"username", kUser}, {"pwd", kWrongDigest}, {"mac", kMac}}))
                  ["fail"].asInt(), 3);
    Session account;
    account.login = TestClient::entry(entry, object({{"system", 2}, {"username", kUser}, {"pwd", kDigest}, {"mac", kMac}}));
    EXPECT_EQ(account.login["response"].asInt(), 1);
    Json::Value change = object({{"system", 1}, {"act", "changepwd"}, {"oldpwd", kDigest}, {"newpwd", kWrongDigest}});
    EXPECT_EQ(account.game(server, change)["response"].asInt(), 1);
    guest.account = account.login;
    return guest;
}

// "2026-12-09T08:54:02.886Z ": digits where the pattern has 'd'.
bool startsWithStamp(std::string_view line) {
    constexpr std::string_view pattern = "dddd-dd-ddTdd:dd:dd.dddZ ";
    if (line.size() < pattern.size()) {
        return false;
    }
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool ok = pattern[i] == 'd' ? std::isdigit(static_cast<unsigned char>(line[i])) != 0 : line[i] == pattern[i];
        if (!ok) {
            return false;
        }
    }
    return true;
}

// The log's lines with what differs from run to run spelled the same every time: the stamp
// (checked, then dropped), "PEER" for 127.0.0.1 and its port, "in T ms" for a duration.
std::vector<std::string> normalisedLines(const std::string& log) {
    std::vector<std::string> lines;
    std::stringstream in(log);
    std::string line;
    while (std::getline(in, line)) {
        EXPECT_TRUE(startsWithStamp(line)) << line;
        line = line.substr(std::min(line.size(), std::size_t(25)));
        for (std::size_t at = line.find("127.0.0.1:"); at != std::string::npos; at = line.find("127.0.0.1:", at)) {
            std::size_t end = at + 10;
            while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) {
                ++end;
            }
            line.replace(at, end - at, "PEER");
        }
        const std::size_t took = line.rfind(" in ");
        if (took != std::string::npos && line.size() > 3 && line.compare(line.size() - 3, 3, " ms") == 0) {
            line.replace(took, std::string::npos, " in T ms");
        }
        lines.push_back(line);
    }
    return lines;
}

bool contains(const std::vector<std::string>& lines, const std::string& part) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

std::string runAndReadLog(const std::string& level, Session& guest) {
    TempDir dir;
    const std::string log = dir.file("server.log");
    {
        ChildServer server(databaseFor(dir, "log.db"), {"--log-level", level, "--bank", dir.file("no-bank")},
                           log);
        EXPECT_GT(server.gamePort(), 0) << "the server did not start";
        if (server.gamePort() == 0) {
            return readFile(log);
        }
        guest = playScript(server);
    } // stopped: every line is written
    return readFile(log);
}

TEST(RequestLog, TheInfoLogTellsWhatEachClientDid) {
    Session guest;
    const std::string log = runAndReadLog("info", guest);
    const std::vector<std::string> lines = normalisedLines(log);
    const std::string player = std::to_string(guest.login["id"].asInt());
    const std::string session = guest.login["sessionid"].asString();
    const std::string account = std::to_string(guest.account["id"].asInt());
    ASSERT_EQ(session.size(), 32u) << log;

    const std::string expected[] = {
        R"(entry PEER type 0 (version) version="2.2.2" -> response 1 in T ms)",
        R"(entry PEER type 2 (login) guest mac=")" + kMac + R"(" -> response 1 player )" + player + " session " +
            session.substr(0, 6) + "... in T ms",
        "game PEER type 12 (notices) player " + player + " act=1 -> response 1 notice[" +
            std::to_string(guest.notices["notice"].size()) + "] in T ms",
        "game PEER type 21 (explains) player " + player + " -> response 1 explains[" +
            std::to_string(guest.explains["explains"].size()) + "] in T ms",
        "refused game PEER: unknown command 99 (player " + player + R"(), answered {"response": 0})",
        "refused game PEER: the header's first byte is not a key digit",
        R"(entry PEER type 1 (register) username=")" + kUser + R"(" mac=")" + kMac + R"(" -> response 1 (the device's guest became player )" +
            account + ") in T ms",
        R"(entry PEER type 2 (login) username=")" + kUser + R"(" mac=")" + kMac +
            R"(" -> response 0 fail 3 (wrong password) in T ms)",
        "game PEER type 1 (user info) player " + account + R"( act="changepwd" -> response 1 in T ms)",
    };
    for (const auto& line : expected) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << "no line\n  " << line << "\nin\n" << log;
    }
    EXPECT_FALSE(contains(lines, "(heartbeat)")) << log;
    // Secrets: neither digest in any spelling, nor a whole session id.
    for (const std::string& secret : {kDigest, kWrongDigest, session, guest.account["sessionid"].asString()}) {
        EXPECT_EQ(lower(log).find(lower(secret)), std::string::npos) << secret << " leaked into\n" << log;
    }
    EXPECT_FALSE(contains(lines, "pwd=")) << log;
}

TEST(RequestLog, TheLevelDecidesWhichLinesAppear) {
    const struct {
        const char* level;
        bool requests;   // one line per request
        bool heartbeats; // one line per heartbeat
    } cases[] = {{"quiet", false, false}, {"info", true, false}, {"debug", true, true}};
    for (const auto& c : cases) {
        Session guest;
        const std::string log = runAndReadLog(c.level, guest);
        const std::vector<std::string> lines = normalisedLines(log);
        const std::string player = std::to_string(guest.login["id"].asInt());
        EXPECT_EQ(contains(lines, " type 12 (notices) "), c.requests) << c.level << "\n" << log;
        EXPECT_EQ(contains(lines, "game PEER type 10 (heartbeat) player " + player + " -> response 1 in T ms"),
                  c.heartbeats) << c.level << "\n" << log;
        // Refusals are written at every level.
        EXPECT_TRUE(contains(lines, "refused game PEER: unknown command 99")) << c.level << "\n" << log;
    }
}

} // namespace
} // namespace server::test

// The real server's log on standard error, as an operator reads it: one line per request with
// what the client asked and what it got, refusals with their reason, and never a password
// digest or a whole session id.
#include "integration/ChildServer.h"
#include "integration/TestClient.h"
#include "TempDir.h"
#include "wire/frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>

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
    Session guest{TestClient::entry(
        entry, object({{"system", 2}, {"mac", kMac}, {"username", ""}, {"pwd", ""}, {"deviceid", 3}}))};
    EXPECT_EQ(guest.login["response"].asInt(), 1);
    EXPECT_EQ(guest.game(server, object({{"system", 12}, {"act", 1}}))["response"].asInt(), 1);
    EXPECT_EQ(guest.game(server, object({{"system", 21}}))["response"].asInt(), 1);
    EXPECT_EQ(guest.game(server, object({{"system", 10}}))["response"].asInt(), 1);
    EXPECT_EQ(guest.game(server, object({{"system", 99}}))["response"].asInt(), 0);
    EXPECT_FALSE(TestClient::exchange(server.gamePort(), "7abc" + wire::encodeRequest("{}").substr(4)).answered);

    EXPECT_EQ(TestClient::entry(entry, object({{"system", 1}, {"username", kUser}, {"pwd", kDigest}, {"mac", kMac}}))
                  ["response"].asInt(), 1);
    EXPECT_EQ(TestClient::entry(entry, object({{"system", 2}, {"username", kUser}, {"pwd", kWrongDigest}, {"mac", kMac}}))
                  ["fail"].asInt(), 3);
    Session account{TestClient::entry(entry, object({{"system", 2}, {"username", kUser}, {"pwd", kDigest}, {"mac", kMac}}))};
    EXPECT_EQ(account.login["response"].asInt(), 1);
    Json::Value change = object({{"system", 1}, {"act", "changepwd"}, {"oldpwd", kDigest}, {"newpwd", kWrongDigest}});
    EXPECT_EQ(account.game(server, change)["response"].asInt(), 1);
    return guest;
}

std::string runAndReadLog(const std::string& level, Session& guest) {
    TempDir dir;
    const std::string log = dir.file("server.log");
    {
        ChildServer server(dir.file("log.db"), {"--log-level", level, "--bank", dir.file("no-bank")}, log);
        EXPECT_GT(server.gamePort(), 0) << "the server did not start";
        if (server.gamePort() == 0) {
            return readFile(log);
        }
        guest = playScript(server);
    } // stopped: every line is written
    return readFile(log);
}

bool hasLine(const std::string& log, const std::string& pattern) {
    return std::regex_search(log, std::regex(pattern, std::regex::multiline));
}

const std::string kStamp = R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z )";
const std::string kPeer = R"(127\.0\.0\.1:\d+)";
const std::string kTook = R"( in \d+\.\d\d ms$)";

TEST(RequestLog, TheInfoLogTellsWhatEachClientDid) {
    Session guest;
    const std::string log = runAndReadLog("info", guest);
    const std::string player = std::to_string(guest.login["id"].asInt());
    const std::string session = guest.login["sessionid"].asString();
    ASSERT_EQ(session.size(), 32u) << log;

    const std::string expected[] = {
        kStamp + "entry " + kPeer + R"( type 0 \(version\) version="2\.2\.2" -> response 1)" + kTook,
        kStamp + "entry " + kPeer + R"( type 2 \(login\) guest mac=")" + kMac + R"(" -> response 1 player )" + player +
            " session " + session.substr(0, 6) + R"(\.\.\.)" + kTook,
        kStamp + "game " + kPeer + R"( type 12 \(notices\) player )" + player + R"( act=1 -> response 1 notice\[\d+\])" +
            kTook,
        kStamp + "game " + kPeer + R"( type 21 \(explains\) player )" + player + R"( -> response 1 explains\[8\])" + kTook,
        kStamp + "refused game " + kPeer + ": unknown command 99 \\(player " + player + "\\)",
        kStamp + "refused game " + kPeer + ": the header's first byte is not a key digit$",
        kStamp + "entry " + kPeer + R"( type 1 \(register\) username=")" + kUser + R"(" mac="\w+" -> response 1 \(new player \d+\))" + kTook,
        kStamp + "entry " + kPeer + R"( type 2 \(login\) username=")" + kUser +
            R"(" mac="\w+" -> response 0 fail 3 \(wrong password\))" + kTook,
        kStamp + "game " + kPeer + R"( type 1 \(user info\) player \d+ act="changepwd" -> response 1)" + kTook,
    };
    for (const auto& pattern : expected) {
        EXPECT_TRUE(hasLine(log, pattern)) << "no line matching\n  " << pattern << "\nin\n" << log;
    }
    EXPECT_FALSE(hasLine(log, R"(\(heartbeat\))")) << log;
    // Secrets: neither digest in any spelling, nor a whole session id.
    for (const std::string& secret : {kDigest, kWrongDigest, session}) {
        EXPECT_EQ(lower(log).find(lower(secret)), std::string::npos) << secret << " leaked into\n" << log;
    }
    EXPECT_FALSE(hasLine(log, "pwd=")) << log;
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
        EXPECT_EQ(hasLine(log, R"( type 12 \(notices\) )"), c.requests) << c.level << "\n" << log;
        EXPECT_EQ(hasLine(log, R"( type 10 \(heartbeat\) player \d+ -> response 1)"), c.heartbeats) << c.level << "\n" << log;
        // Refusals are written at every level.
        EXPECT_TRUE(hasLine(log, "refused game " + kPeer + ": unknown command 99")) << c.level << "\n" << log;
    }
}

} // namespace
} // namespace server::test

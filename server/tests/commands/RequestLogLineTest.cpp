#include "commands/RequestLog.h"

#include <gtest/gtest.h>

namespace server {
namespace {

const std::string kDigest = "E10ADC3949BA59ABBE56E057F20F883E";
const std::string kSession = "3fa2c1d0aa55aa55aa55aa55aa55aa55";

Json::Value parse(std::initializer_list<std::pair<const char*, Json::Value>> members) {
    Json::Value v(Json::objectValue);
    for (const auto& [name, value] : members) {
        v[name] = value;
    }
    return v;
}

TEST(RequestLogLine, ValuesAreQuotedEscapedAndCut) {
    Json::Value list(Json::arrayValue);
    list.append(1);
    list.append(2);
    const std::string cutBeforeTwoBytes = std::string(39, 'a') + "\xC3\xA9" + "z";
    const struct {
        Json::Value value;
        std::string shown;
    } cases[] = {
        {"2.2.2", R"("2.2.2")"},
        {"a\"b\\c", R"("a\"b\\c")"},
        {"line\nbreak\x1b[31m", R"("line\x0Abreak\x1B[31m")"},
        {std::string(50, 'x'), "\"" + std::string(40, 'x') + "\"..."},
        {cutBeforeTwoBytes, "\"" + std::string(39, 'a') + "\"..."}, // never half a character
        {12, "12"},
        {-3, "-3"},
        {Json::Value(Json::UInt64(1) << 40), "1099511627776"},
        {2.5, "2.5"},
        {true, "true"},
        {list, "[2 items]"},
        {Json::Value(Json::objectValue), "{...}"},
        {Json::Value(), "null"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RequestLog::value(c.value), c.shown);
    }
}

TEST(RequestLogLine, SessionIdsShowOnlyAPlainPrefix) {
    EXPECT_EQ(RequestLog::sessionPrefix(kSession), "3fa2c1...");
    EXPECT_EQ(RequestLog::sessionPrefix("ab"), "ab...");
    EXPECT_EQ(RequestLog::sessionPrefix("\n\x1b[2Jxyz"), "???2Jx...");
}

TEST(RequestLogLine, LinesNameTheRequestAndItsOutcomeButNoSecret) {
    Answer loggedIn(parse({{"response", 1}, {"id", 7}, {"sessionid", kSession}, {"system", 2}}));
    Answer wrong(parse({{"response", 0}, {"fail", 3}, {"tip", "x"}, {"system", 2}}));
    Json::Value notices(Json::arrayValue);
    notices.append(Json::Value(Json::objectValue));
    Answer unchanged(parse({{"response", 0}, {"system", 1}}));
    Answer board(parse({{"response", 1}, {"act", 1}, {"notice", notices}, {"system", 12}}));
    Answer push(parse({{"system", 28}, {"response", 1}}));
    Answer media = Answer::raw(std::string(1234, 'p'));

    const Json::Value guestLogin = parse({{"system", 2}, {"username", ""}, {"pwd", ""}, {"mac", "AABB"}});
    const Json::Value accountLogin = parse({{"system", 2}, {"username", "13800000017"}, {"pwd", kDigest}, {"mac", "AABB"}});
    const Json::Value changePwd = parse({{"system", 1}, {"act", "changepwd"}, {"oldpwd", kDigest}, {"newpwd", kDigest},
                                         {"sessionid", kSession}, {"id", 7}, {"mac", "AABB"}});
    const struct {
        RequestLog::Request request;
        const Answer& answer;
        const char* note;
        std::string line;
    } cases[] = {
        {{ServerRole::Entry, "127.0.0.1:1", 2, "login", guestLogin, 0}, loggedIn, "",
         R"(entry 127.0.0.1:1 type 2 (login) guest mac="AABB" -> response 1 player 7 session 3fa2c1... in 1.50 ms)"},
        {{ServerRole::Entry, "127.0.0.1:1", 2, "login", accountLogin, 0}, wrong, "wrong password",
         R"(entry 127.0.0.1:1 type 2 (login) username="13800000017" mac="AABB" -> response 0 fail 3 (wrong password) in 1.50 ms)"},
        {{ServerRole::Game, "127.0.0.1:2", 1, "user info", changePwd, 7}, unchanged, "",
         R"(game 127.0.0.1:2 type 1 (user info) player 7 act="changepwd" -> response 0 in 1.50 ms)"},
        {{ServerRole::Game, "127.0.0.1:2", 12, "notices", parse({{"act", 1}}), 7}, board, "",
         R"(game 127.0.0.1:2 type 12 (notices) player 7 act=1 -> response 1 notice[1] in 1.50 ms)"},
        {{ServerRole::Game, "127.0.0.1:2", 10, "heartbeat", parse({}), 7}, push, "",
         R"(game 127.0.0.1:2 type 10 (heartbeat) player 7 -> push 28 response 1 in 1.50 ms)"},
        {{ServerRole::Game, "127.0.0.1:2", 0, "media", parse({{"media", "a.jpg"}}), 7}, media, "",
         R"(game 127.0.0.1:2 type 0 (media) player 7 media="a.jpg" -> 1234 bytes in 1.50 ms)"},
    };
    for (const auto& c : cases) {
        const std::string line = RequestLog::line(c.request, c.answer, c.note, 1.5);
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(line.find(kDigest), std::string::npos) << line;
        EXPECT_EQ(line.find(kSession), std::string::npos) << line;
    }
}

TEST(RequestLogLine, ASessionNoticeShowsTheClaimedPlayer) {
    const Json::Value request = parse({{"system", 12}, {"sessionid", kSession}, {"id", 9}});
    EXPECT_EQ(RequestLog::sessionNotice({ServerRole::Game, "127.0.0.1:3", 12, "notices", request, 0}),
              R"(game 127.0.0.1:3 type 12 (notices) id=9 session 3fa2c1... -> session notice (no live session))");
    const Json::Value noSession = parse({{"system", 99}});
    EXPECT_EQ(RequestLog::sessionNotice({ServerRole::Game, "127.0.0.1:3", 99, "", noSession, 0}),
              "game 127.0.0.1:3 type 99 id=null -> session notice (no live session)");
}

} // namespace
} // namespace server

// The answer command as the client's answer screen reads it, against the real server and bank:
// verdict words, the members of the answer box, refusals that never look like a verdict, scratch
// awards, and answers that race or come with someone else's session.
#include "TempDir.h"
#include "TestDatabase.h"
#include "integration/ChildServer.h"
#include "integration/TestClient.h"
#include "integration/TestServer.h"
#include "wire/frame.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <latch>
#include <thread>
#include <vector>

namespace server::test {
namespace {

namespace fs = std::filesystem;

const std::string kBankDir = std::string(BRINDLE_SERVER_SOURCE_DIR) + "/bank/questions";
const std::string kMediaDir =
    (fs::path(BRINDLE_SERVER_BINARY).parent_path().parent_path() / "server-data" / "media").string();

// Questions of the bundled bank the cases lean on.
constexpr int kCapital = 107001;  // text choice, right "新疆" (option 1), wrong "青海"
constexpr int kRiver = 107002;    // text choice, right "长江", wrong "黑龙江"
constexpr int kLake = 107007;     // text choice, answered by the clock
constexpr int kPalace = 108032;   // text choice with 3 prize money and an ad, right "明朝"
constexpr int kSunCard = 213001;  // scratch card: 2 prize money, award 5 score; right "太阳"
constexpr int kFishCard = 213002; // scratch card: award 2 money; right "鱼"

Json::Value ask(int system, int qsid)
{
    Json::Value r(Json::objectValue);
    r["system"] = system;
    r["qsid"] = qsid;
    r["date"] = 0;
    return r;
}

Json::Value answerRequest(int qsid, const Json::Value& text, const Json::Value& awardnum = 0)
{
    Json::Value r = ask(3, qsid);
    r["questid"] = qsid;
    r["answer"] = text;
    r["awardnum"] = awardnum;
    return r;
}

// One guest on an in-process server with the bundled bank.
struct Player {
    TestServer& server;
    Json::Value login;
    std::string mac;

    Player(TestServer& s, std::string device) : server(s), login(s.loginGuest(device)), mac(std::move(device)) {}

    Json::Value send(const Json::Value& request) { return server.game(request, login, mac); }
    Json::Value question(int qsid) { return send(ask(2, qsid)); }
    Json::Value answer(int qsid, const Json::Value& text, const Json::Value& awardnum = 0)
    {
        return send(answerRequest(qsid, text, awardnum));
    }
    Json::Value info()
    {
        Json::Value r(Json::objectValue);
        r["system"] = 1;
        return send(r);
    }
};

std::unique_ptr<TestServer> bankServer(std::function<int()> day = {})
{
    return std::make_unique<TestServer>([&](ServerConfig& c) {
        c.bankDir = kBankDir;
        c.mediaDir = kMediaDir;
        c.quizDay = day;
    });
}

void expectVerdictShape(const Json::Value& v)
{
    for (const char* key : {"addscore", "addmoney", "awardtype", "awardnum", "score", "money", "level", "levelupscore",
                            "answercount"})
        EXPECT_TRUE(v[key].isInt()) << key << " in " << v;
    for (const char* key : {"explain", "answer", "adicon", "adname", "adinfo", "adurl", "apkname"})
        EXPECT_TRUE(v[key].isString()) << key << " in " << v;
    EXPECT_EQ(v["system"].asInt(), 3);
}

// A refusal must keep "response" a number, so the client's parser cannot take it for a verdict.
void expectRefusal(const Json::Value& v, int fail, int score, int answers)
{
    EXPECT_TRUE(v["response"].isInt()) << v;
    EXPECT_EQ(v["response"].asInt(), 0) << v;
    EXPECT_EQ(v["fail"].asInt(), fail) << v;
    EXPECT_EQ(v["addscore"].asInt() + v["addmoney"].asInt() + v["awardnum"].asInt(), 0) << v;
    EXPECT_EQ(v["score"].asInt(), score) << v;
    EXPECT_EQ(v["answercount"].asInt(), answers) << v;
}

TEST(AnswerContract, RightIsSuccessWrongAndTimeOutAreFailWithEveryMemberOfTheAnswerBox)
{
    auto server = bankServer();
    Player p(*server, "A0A0A0A0A0A0");
    ASSERT_EQ(p.login["response"].asInt(), 1);

    ASSERT_EQ(p.question(kCapital)["response"].asInt(), 1);
    const auto right = p.answer(kCapital, "新疆");
    expectVerdictShape(right);
    EXPECT_EQ(right["response"], Json::Value("success")) << right;
    EXPECT_EQ(right["addscore"].asInt(), 10);
    EXPECT_EQ(right["answer"].asString(), "新疆");
    EXPECT_EQ(right["score"].asInt(), 10);
    EXPECT_EQ(right["answercount"].asInt(), 1);
    EXPECT_EQ(right["adicon"].asString(), "");

    ASSERT_EQ(p.question(kRiver)["response"].asInt(), 1);
    const auto wrong = p.answer(kRiver, "黑龙江");
    expectVerdictShape(wrong);
    EXPECT_EQ(wrong["response"], Json::Value("fail")) << wrong;
    EXPECT_EQ(wrong["addscore"].asInt(), 0);
    EXPECT_EQ(wrong["answer"].asString(), "长江"); // the box tells the player what was right
    EXPECT_FALSE(wrong["explain"].asString().empty());
    EXPECT_EQ(wrong["score"].asInt(), 10);
    EXPECT_EQ(wrong["answercount"].asInt(), 2);

    ASSERT_EQ(p.question(kLake)["response"].asInt(), 1);
    const auto late = p.answer(kLake, "-1");
    EXPECT_EQ(late["response"], Json::Value("fail")) << late;
    EXPECT_EQ(late["addscore"].asInt() + late["addmoney"].asInt(), 0);
    EXPECT_EQ(late["answercount"].asInt(), 3);

    // The ad rides on the verdict, and its icon is a picture the client can download.
    const auto question = p.question(kPalace);
    EXPECT_FALSE(question.isMember("ad"));
    const auto withAd = p.answer(kPalace, "明朝");
    EXPECT_EQ(withAd["response"], Json::Value("success")) << withAd;
    EXPECT_EQ(withAd["addmoney"].asInt(), 3);
    EXPECT_EQ(withAd["money"].asInt(), 3);
    EXPECT_EQ(withAd["adicon"].asString(), "ad_palace.png");
    EXPECT_FALSE(withAd["adname"].asString().empty());
    EXPECT_FALSE(withAd["adinfo"].asString().empty());
    EXPECT_EQ(withAd["adurl"].asString().rfind("https://", 0), 0u);
    EXPECT_FALSE(withAd["apkname"].asString().empty());
    Json::Value media(Json::objectValue);
    media["system"] = 0;
    media["media"] = withAd["adicon"];
    media["mac"] = p.mac;
    media["sessionid"] = p.login["sessionid"];
    media["id"] = p.login["id"];
    const auto icon = TestClient::exchange(server->gamePort(), wire::encodeRequest(TestClient::write(media)));
    ASSERT_TRUE(icon.answered);
    EXPECT_EQ(icon.body.substr(0, 4), "\x89PNG");
}

TEST(AnswerContract, BadRequestsAreRefusedAsNumbersAndPayNothing)
{
    auto server = bankServer();
    Player p(*server, "B0B0B0B0B0B0");
    ASSERT_EQ(p.question(kCapital)["response"].asInt(), 1);
    ASSERT_EQ(p.answer(kCapital, "1")["response"], Json::Value("success")); // option 1 by its position

    // A second answer to the same question, right or wrong, is refused and pays nothing.
    expectRefusal(p.answer(kCapital, "新疆"), 3, 10, 1);
    expectRefusal(p.answer(kCapital, "青海"), 3, 10, 1);

    // qsid that is no number, or names nothing.
    for (const Json::Value& qsid : {Json::Value("abc"), Json::Value("107001x"), Json::Value(107001.5),
                                    Json::Value(Json::objectValue), Json::Value(), Json::Value(999999)}) {
        auto r = answerRequest(0, "新疆");
        r["qsid"] = qsid;
        expectRefusal(p.send(r), 1, 10, 1);
    }
    // A question never handed out to this player.
    expectRefusal(p.answer(kRiver, "长江"), 2, 10, 1);

    // Malformed answer texts leave the question open for the real answer.
    ASSERT_EQ(p.question(kRiver)["response"].asInt(), 1);
    expectRefusal(p.answer(kRiver, std::string(5000, 'x')), 4, 10, 1);
    expectRefusal(p.answer(kRiver, Json::Value(Json::objectValue)), 4, 10, 1);
    expectRefusal(p.answer(kRiver, Json::Value()), 4, 10, 1);
    expectRefusal(p.answer(kRiver, Json::Value(true)), 4, 10, 1);
    const auto after = p.answer(kRiver, "长江");
    EXPECT_EQ(after["response"], Json::Value("success")) << after;
    EXPECT_EQ(after["score"].asInt(), 20);
    EXPECT_EQ(after["answercount"].asInt(), 2);
}

TEST(AnswerContract, AnotherPlayersSessionMovesNobodysScore)
{
    auto server = bankServer();
    Player owner(*server, "C0C0C0C0C0C0");
    Player other(*server, "C1C1C1C1C1C1");
    ASSERT_NE(owner.login["id"], other.login["id"]);
    ASSERT_EQ(owner.question(kCapital)["response"].asInt(), 1);

    // The other player's session with the owner's id, and the reverse: the session notice.
    for (const auto& [session, id] : {std::pair{other.login["sessionid"], owner.login["id"]},
                                      std::pair{owner.login["sessionid"], other.login["id"]}}) {
        Json::Value r = answerRequest(kCapital, "新疆");
        r["mac"] = other.mac;
        r["sessionid"] = session;
        r["id"] = id;
        const auto notice = TestClient::game(server->gamePort(), r);
        EXPECT_EQ(notice["system"].asInt(), 1) << notice;
        EXPECT_EQ(notice["response"].asInt(), 2) << notice;
    }
    // With its own session the other player cannot answer a question handed to the owner.
    expectRefusal(other.answer(kCapital, "新疆"), 2, 0, 0);

    EXPECT_EQ(owner.info()["answercount"].asInt(), 0);
    EXPECT_EQ(other.info()["score"].asInt(), 0);
    EXPECT_EQ(owner.answer(kCapital, "新疆")["response"], Json::Value("success"));
}

TEST(ScratchAward, PaidOnceAPlayerAndCardAndNeverMoreThanTheCardHolds)
{
    std::atomic<int> day{20261209};
    auto server = bankServer([&day] { return day.load(); });

    struct Row {
        const char* device;
        Json::Value claimed;
        const char* text;
        int awardnum; // as reported and paid
        int score;
    } rows[] = {
        {"D0D0D0D0D0D0", 5, "太阳", 5, 15},          // what the card holds
        {"D1D1D1D1D1D1", 1000000, "太阳", 5, 15},    // cut to the card
        {"D2D2D2D2D2D2", -7, "太阳", 0, 10},         // a negative claim takes nothing
        {"D3D3D3D3D3D3", "lots", "太阳", 0, 10},     // not a number
        {"D4D4D4D4D4D4", 0, "太阳", 0, 10},          // never uncovered
        {"D5D5D5D5D5D5", 5, "月亮", 0, 0},           // wrong: no award either
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.device);
        Player p(*server, row.device);
        ASSERT_EQ(p.question(kSunCard)["response"].asInt(), 1);
        const auto v = p.answer(kSunCard, row.text, row.claimed);
        EXPECT_EQ(v["awardnum"].asInt(), row.awardnum) << v;
        EXPECT_EQ(v["awardtype"].asInt(), row.awardnum > 0 ? 1 : 0) << v;
        EXPECT_EQ(v["addscore"].asInt(), row.score > 0 ? 10 : 0);
        EXPECT_EQ(v["score"].asInt(), row.score) << v;
        EXPECT_EQ(v["money"].asInt(), row.score > 0 ? 2 : 0) << v; // the card's prize money
    }

    // The next day the card comes round again: the answer pays, the award does not.
    Player first(*server, "D0D0D0D0D0D0");
    day = 20261210;
    ASSERT_EQ(first.question(kSunCard)["response"].asInt(), 1);
    const auto again = first.answer(kSunCard, "太阳", 5);
    EXPECT_EQ(again["response"], Json::Value("success")) << again;
    EXPECT_EQ(again["awardnum"].asInt(), 0);
    EXPECT_EQ(again["awardtype"].asInt(), 0);
    EXPECT_EQ(again["score"].asInt(), 15 + 10);
}

// The real binary, with many connections sending the same answer at once: one verdict, one pay.
TEST(AnswerRace, AnswersRacingOnSeveralConnectionsArePaidOnce)
{
    TempDir dir;
    ChildServer child(databaseFor(dir, "race.db"), {"--quiet", "--media", kMediaDir});
    ASSERT_GT(child.gamePort(), 0);
    Json::Value loginRequest(Json::objectValue);
    loginRequest["system"] = 2;
    loginRequest["mac"] = "E0E0E0E0E0E0";
    loginRequest["username"] = "";
    loginRequest["pwd"] = "";
    const auto login = TestClient::entry(child.entryPort(), loginRequest);
    ASSERT_EQ(login["response"].asInt(), 1) << login;
    auto send = [&](Json::Value r) {
        r["mac"] = "E0E0E0E0E0E0";
        r["sessionid"] = login["sessionid"];
        r["id"] = login["id"];
        return TestClient::game(child.gamePort(), r);
    };

    constexpr int kRacers = 8;
    for (const auto& [qsid, text, award] : {std::tuple{kFishCard, "鱼", 2}, std::tuple{kCapital, "新疆", 0}}) {
        ASSERT_EQ(send(ask(2, qsid))["response"].asInt(), 1);
        std::vector<Json::Value> answers(kRacers);
        std::latch start(kRacers);
        std::vector<std::thread> racers;
        for (int i = 0; i < kRacers; ++i)
            racers.emplace_back([&, i, qsid = qsid, text = text, award = award] {
                start.arrive_and_wait();
                answers[i] = send(answerRequest(qsid, text, award));
            });
        for (auto& t : racers)
            t.join();
        int verdicts = 0, refused = 0;
        for (const auto& a : answers) {
            verdicts += a["response"] == Json::Value("success");
            refused += a["response"] == Json::Value(0) && a["fail"].asInt() == 3;
        }
        EXPECT_EQ(verdicts, 1) << qsid;
        EXPECT_EQ(refused, kRacers - 1) << qsid;
    }
    Json::Value info(Json::objectValue);
    info["system"] = 1;
    const auto player = send(info);
    EXPECT_EQ(player["score"].asInt(), 20) << player;
    EXPECT_EQ(player["money"].asInt(), 2) << player; // the fish card's award, once
    EXPECT_EQ(player["answercount"].asInt(), 2) << player;
}

TEST(Walls, TheWallFlagJoinsTheStoredWallsOnce)
{
    auto walls = [](const std::vector<std::string>& flags) {
        TempDir dir;
        std::vector<std::string> args = {"--quiet", "--media", kMediaDir};
        args.insert(args.end(), flags.begin(), flags.end());
        ChildServer child(databaseFor(dir, "walls.db"), args);
        Json::Value loginRequest(Json::objectValue);
        loginRequest["system"] = 2;
        loginRequest["mac"] = "F0F0F0F0F0F0";
        loginRequest["username"] = "";
        loginRequest["pwd"] = "";
        const auto login = TestClient::entry(child.entryPort(), loginRequest);
        Json::Value r(Json::objectValue);
        r["system"] = 23;
        r["mac"] = "F0F0F0F0F0F0";
        r["sessionid"] = login["sessionid"];
        r["id"] = login["id"];
        const auto answer = TestClient::game(child.gamePort(), r);
        EXPECT_EQ(answer["response"].asInt(), 1) << answer;
        std::vector<int> indexes;
        for (const auto& wall : answer["sdkplat"]) {
            EXPECT_TRUE(wall["sdkplattype"].isInt());
            indexes.push_back(wall["index"].asInt());
        }
        return indexes;
    };
    EXPECT_EQ(walls({}), std::vector<int>{50}); // walls.json alone
    EXPECT_EQ(walls({"--wall-at", "3"}), (std::vector<int>{50, 3}));
    EXPECT_EQ(walls({"--wall-at", "50"}), std::vector<int>{50});
}

} // namespace
} // namespace server::test

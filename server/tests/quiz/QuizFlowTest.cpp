// Single-player play over real sockets: the day's ids, one question of every screen, a wrong and
// a right answer with the score moving, the refusals of replayed answers, and media downloads.
#include "TempDir.h"
#include "commands/QuizHooks.h"
#include "integration/TestClient.h"
#include "integration/TestServer.h"
#include "quiz/AnswerJudge.h"
#include "quiz/BankLoader.h"
#include "quiz/BankRules.h"
#include "wire/frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace server::test {
namespace {

namespace fs = std::filesystem;

const std::string kMac = "00112233AABB";
const std::string kBankDir = std::string(BRINDLE_SERVER_SOURCE_DIR) + "/bank/questions";
// The build makes the media next to the server binary: bin/brindle-server, server-data/media.
const std::string kMediaDir =
    (fs::path(BRINDLE_SERVER_BINARY).parent_path().parent_path() / "server-data" / "media").string();

Json::Value request(int system, int qsid = 0)
{
    Json::Value r(Json::objectValue);
    r["system"] = system;
    if (qsid) {
        r["qsid"] = qsid;
        r["date"] = 0;
    }
    return r;
}

std::string wrongAnswerFor(const quiz::BankEntry& e)
{
    if (quiz::AnswerJudge::hasOptions(e.gameType, e.playType))
        for (const auto& a : e.body["answer"])
            if (a.asString() != e.right)
                return a.asString();
    return "-1";
}

std::set<int> idList(TestServer& server, const Json::Value& login)
{
    const auto answer = server.game(request(4), login, kMac);
    EXPECT_EQ(answer["response"].asInt(), 1) << answer;
    std::set<int> ids;
    for (const auto& id : answer["idlist"])
        ids.insert(id.asInt());
    return ids;
}

Json::Value submit(TestServer& server, const Json::Value& login, const quiz::BankEntry& e, const std::string& text)
{
    auto r = request(3, e.qsid);
    r["questid"] = e.qsid;
    r["answer"] = text;
    r["awardnum"] = e.body["awardnum"].asInt();
    r["count"] = 0;
    return server.game(r, login, kMac);
}

TEST(QuizFlow, OneQuestionOfEveryScreenFromListToScore)
{
    ASSERT_TRUE(fs::is_directory(kMediaDir)) << kMediaDir;
    TestServer server([](ServerConfig& c) {
        c.bankDir = kBankDir;
        c.mediaDir = kMediaDir;
    });
    const auto login = server.loginGuest(kMac);
    ASSERT_EQ(login["response"].asInt(), 1) << login;

    const auto load = quiz::BankLoader::loadFolder(kBankDir, kMediaDir);
    ASSERT_TRUE(load.errors.empty()) << load.errors[0].toString();
    std::map<std::pair<int, int>, std::vector<quiz::BankEntry>> byPair;
    for (const auto& e : load.entries)
        byPair[{e.gameType, e.playType}].push_back(e);
    ASSERT_EQ(byPair.size(), quiz::BankRules::supportedPairs().size());

    const auto firstList = idList(server, login);
    EXPECT_EQ(firstList.size(), 30u);

    int score = 0, money = 0, answers = 0;
    std::set<int> answered;
    for (const auto& [pair, entries] : byPair) {
        SCOPED_TRACE("game type " + std::to_string(pair.first) + " play type " + std::to_string(pair.second));
        for (int attempt = 0; attempt < 2; ++attempt) {
            const auto& e = entries[attempt];
            const bool right = attempt == 1;
            const auto question = server.game(request(2, e.qsid), login, kMac);
            ASSERT_EQ(question["response"].asInt(), 1) << question;
            EXPECT_EQ(question["system"].asInt(), 2);
            EXPECT_EQ(question["questid"].asInt(), e.qsid);
            EXPECT_EQ(question["gametype"].asInt(), pair.first);
            EXPECT_EQ(question["playtype"].asInt(), pair.second);
            EXPECT_EQ(question["question"], e.body["question"]);
            EXPECT_EQ(question["answer"], e.body.isMember("answer") ? e.body["answer"] : Json::Value(Json::arrayValue));
            EXPECT_EQ(question.isMember("right"), (pair == std::pair{1, 14}));

            const auto verdict = submit(server, login, e, right ? e.right : wrongAnswerFor(e));
            ASSERT_EQ(verdict["system"].asInt(), 3) << verdict;
            EXPECT_EQ(verdict["response"].asString(), right ? "success" : "fail") << verdict;
            const int award = right ? e.body["awardnum"].asInt() : 0;
            const int awardType = e.body["awardtype"].asInt();
            const int times = std::max(1, e.body["multiple"].asInt());
            const int gainScore = right ? 10 * times + (awardType == 1 ? award : 0) : 0;
            const int gainMoney = right ? e.body["prizemoney"].asInt() * times + (awardType == 2 ? award : 0) : 0;
            EXPECT_EQ(verdict["addscore"].asInt(), right ? 10 * times : 0);
            EXPECT_EQ(verdict["awardnum"].asInt(), award);
            EXPECT_EQ(verdict["score"].asInt(), score + gainScore) << verdict;
            EXPECT_EQ(verdict["money"].asInt(), money + gainMoney) << verdict;
            EXPECT_EQ(verdict["answercount"].asInt(), answers + 1);
            EXPECT_GT(verdict["levelupscore"].asInt(), verdict["score"].asInt());
            EXPECT_EQ(verdict["explain"], e.body["explain"]);
            score = verdict["score"].asInt();
            money = verdict["money"].asInt();
            answers = verdict["answercount"].asInt();
            answered.insert(e.qsid);
        }
    }
    EXPECT_GE(score, 300); // 10 for each of the 30 right answers, plus the scratch card awards

    // Replaying an answer or answering a question nobody handed out earns nothing.
    const auto& done = byPair[{1, 7}][1];
    const auto replay = submit(server, login, done, done.right);
    EXPECT_EQ(replay["response"].asInt(), 0);
    EXPECT_EQ(replay["fail"].asInt(), 3);
    EXPECT_EQ(replay["score"].asInt(), score);
    const auto& unseen = byPair[{1, 7}][2];
    const auto sneaky = submit(server, login, unseen, unseen.right);
    EXPECT_EQ(sneaky["fail"].asInt(), 2);
    EXPECT_EQ(sneaky["answercount"].asInt(), answers);
    EXPECT_EQ(server.game(request(2, 999999), login, kMac)["response"].asInt(), 0);

    // The day's list leaves out every question answered today.
    for (int id : idList(server, login))
        EXPECT_FALSE(answered.count(id)) << id;
}

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

TEST(QuizFlow, MediaComeAsRawBytesAndNothingOutsideTheFolder)
{
    TestServer server([](ServerConfig& c) {
        c.bankDir = kBankDir;
        c.mediaDir = kMediaDir;
    });
    const auto login = server.loginGuest(kMac);
    auto media = [&](const std::string& name) {
        Json::Value r = request(0);
        r["media"] = name;
        r["mac"] = kMac;
        r["sessionid"] = login["sessionid"];
        r["id"] = login["id"];
        return TestClient::exchange(server.gamePort(), wire::encodeRequest(TestClient::write(r)));
    };
    for (const std::string name : {"obj_apple.png", "voice_cat.mp3", "video_car.mp4"}) {
        const auto got = media(name);
        ASSERT_TRUE(got.answered) << name << ": " << got.error;
        const auto want = fileBytes(kMediaDir + "/" + name);
        EXPECT_GT(want.size(), 100u);
        EXPECT_TRUE(got.body == want) << name;
    }
    for (const std::string name : {"../server.db", "/etc/passwd", "nothing.png", ""}) {
        const auto got = media(name);
        ASSERT_TRUE(got.answered) << name;
        EXPECT_TRUE(got.body.empty()) << name;
    }
}

TEST(QuizFlow, ImportTakesAGoodFileAndNothingOfABadOne)
{
    TempDir dir;
    TestServer server([](ServerConfig& c) { c.mediaDir = kMediaDir; });
    const auto login = server.loginGuest(kMac);
    EXPECT_TRUE(idList(server, login).empty());

    std::ofstream(dir.file("bad.jsonl"))
        << R"({"qsid": 107001, "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲", "乙"], "right": "甲"})" "\n"
        << R"({"qsid": 204001, "gametype": 2, "playtype": 4, "question": "q", "img": "missing.png", )"
        << R"("answer": ["苹果天地人和日月山水风云花草木石金火土上下大小中"], "answerlength": 2, "right": "苹果"})" "\n";
    EXPECT_EQ(runBankImport(dir.file("bad.jsonl"), server.app().services()), 1);
    EXPECT_TRUE(idList(server, login).empty());

    std::ofstream(dir.file("good.jsonl"))
        << R"({"qsid": 107001, "gametype": 1, "playtype": 7, "question": "问", "answer": ["甲", "乙"], "right": "甲"})" "\n";
    EXPECT_EQ(runBankImport(dir.file("good.jsonl"), server.app().services()), 0);
    EXPECT_EQ(idList(server, login), std::set<int>{107001});
}

TEST(QuizFlow, FirstStartLoadsTheGoodFilesOfABankFolder)
{
    TempDir dir;
    fs::create_directory(dir.path() / "bank");
    fs::copy_file(kBankDir + "/g1p01_yes_no.jsonl", dir.file("bank/a.jsonl"));
    std::ofstream(dir.file("bank/b.jsonl")) << "{broken\n";
    TestServer server([&](ServerConfig& c) {
        c.bankDir = dir.file("bank");
        c.mediaDir = kMediaDir;
    });
    const auto login = server.loginGuest(kMac);
    const auto ids = idList(server, login);
    EXPECT_EQ(ids.size(), quiz::BankParser::parseFile(kBankDir + "/g1p01_yes_no.jsonl").entries.size());
    for (int id : ids)
        EXPECT_EQ(id / 1000, 101);
}

} // namespace
} // namespace server::test

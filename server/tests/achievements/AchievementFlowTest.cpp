// Command 14 against the real server: ordinary answers counted into the list (the run ended by a
// time-out), a finished prize paid once, unfinished, unknown and malformed claims refused, and
// racing claims on separate connections paying once.
#include "achievements/AchievementCounters.h"
#include "achievements/ProgressTestSupport.h"

#include <thread>
#include <vector>

namespace server::test {
namespace {

using achievements::Counter;
using AchievementFlow = ProgressTest;

Json::Value claim(const ProgressPlayer& p, const Json::Value& id) {
    auto r = command(14, "askprize");
    r["achvId"] = id;
    return p.game(r);
}

const Json::Value& entry(const Json::Value& answer, int id) { return answer["achvlist"][id - 1]; }

TEST_F(AchievementFlow, AnswersFillTheListAndATimeOutEndsTheRun) {
    const auto p = guest("ACHV00000001");
    auto list = p.game(command(14, "show"));
    ASSERT_EQ(list["response"].asInt(), 1) << list;
    ASSERT_EQ(list["achvlist"].size(), 16u);
    for (Json::ArrayIndex i = 0; i < 16; ++i) {
        const auto& e = list["achvlist"][i];
        EXPECT_EQ(e["id"].asInt(), static_cast<int>(i + 1));
        EXPECT_EQ(e["do"].asInt(), 0);
        EXPECT_EQ(e["prize"].asInt(), 0);
        EXPECT_GT(e["done"].asInt(), 0);
        EXPECT_TRUE(e["name"].isString() && e["desc"].isString() && e["img"].isString());
    }

    // right, right, right, time-out, right, right
    const bool rights[] = {true, true, true, false, true, true};
    for (int i = 0; i < 6; ++i) {
        const int qsid = questions[static_cast<std::size_t>(i)];
        const auto verdict = p.answer(qsid, rights[i] ? rightOf(qsid) : "-1");
        EXPECT_EQ(verdict["response"].asString(), rights[i] ? "success" : "fail") << verdict;
    }
    // A replayed answer is refused and counts nothing.
    EXPECT_EQ(p.answer(questions[0], rightOf(questions[0]))["response"].asInt(), 0);

    list = p.game(command(14, "show"));
    EXPECT_EQ(entry(list, 1)["do"].asInt(), 6) << "answers";
    EXPECT_EQ(entry(list, 4)["do"].asInt(), 5) << "right answers";
    EXPECT_EQ(entry(list, 6)["do"].asInt(), 3) << "the best run: the time-out ended the first";
    EXPECT_EQ(entry(list, 6)["done"].asInt(), 5);
}

TEST_F(AchievementFlow, AFinishedPrizeIsPaidOnceWithTheScore) {
    const auto p = guest("ACHV00000002");
    auto early = claim(p, 1);
    EXPECT_EQ(early["response"].asInt(), 0);
    EXPECT_EQ(early["fail"].asInt(), 2) << "unfinished";

    for (int i = 0; i < 10; ++i) {
        p.answer(questions[static_cast<std::size_t>(i)], "-1"); // wrong answers count as answers too
    }
    const auto before = p.record();
    const auto paid = claim(p, 1);
    ASSERT_EQ(paid["response"].asInt(), 1) << paid;
    EXPECT_EQ(paid["addscore"].asInt(), 10);
    EXPECT_EQ(paid["score"].asInt(), before.score + 10);
    EXPECT_EQ(paid["money"].asInt(), before.money);
    EXPECT_EQ(paid["level"].asInt(), p.record().level);
    EXPECT_EQ(paid["levelupscore"].asInt(), p.record().levelUpScore);
    EXPECT_EQ(entry(paid, 1)["prize"].asInt(), 1);
    EXPECT_EQ(entry(paid, 2)["prize"].asInt(), 0);
    EXPECT_EQ(p.record().score, before.score + 10);

    const auto again = claim(p, "1"); // the id as a text reads the same
    EXPECT_EQ(again["response"].asInt(), 0);
    EXPECT_EQ(again["fail"].asInt(), 3) << "taken";
    EXPECT_EQ(p.record().score, before.score + 10);
    EXPECT_EQ(entry(p.game(command(14, "show")), 1)["prize"].asInt(), 1);
}

TEST_F(AchievementFlow, UnknownAndMalformedClaimsAreRefusedAndTheServerGoesOn) {
    const auto p = guest("ACHV00000003");
    for (const Json::Value& id : {Json::Value(0), Json::Value(17), Json::Value(-1), Json::Value("x"),
                                  Json::Value(1.5), Json::Value(Json::arrayValue), Json::Value()}) {
        const auto answer = claim(p, id);
        EXPECT_EQ(answer["response"].asInt(), 0) << id;
        EXPECT_EQ(answer["fail"].asInt(), 1) << id;
    }
    auto oddAct = command(14, "grab");
    EXPECT_EQ(p.game(oddAct)["response"].asInt(), 0);
    oddAct["act"] = 1;
    EXPECT_EQ(p.game(oddAct)["response"].asInt(), 0);
    EXPECT_EQ(p.game(command(14, "show"))["response"].asInt(), 1);
    EXPECT_EQ(p.record().score, 0);
}

TEST_F(AchievementFlow, RacingClaimsOnSeparateConnectionsPayOnce) {
    const auto p = guest("ACHV00000004");
    {
        auto tx = server->app().services().storage.transaction();
        server->app().services().counters.add(tx, p.id(), Counter::ContestWins, 1);
        tx.commit();
    }
    const int before = p.record().score;
    std::vector<std::thread> racers;
    std::atomic<int> paid{0}, taken{0};
    for (int i = 0; i < 4; ++i) {
        racers.emplace_back([&] {
            const auto answer = claim(p, 12);
            if (answer["response"].asInt() == 1) {
                ++paid;
            } else if (answer["fail"].asInt() == 3) {
                ++taken;
            }
        });
    }
    for (auto& t : racers) {
        t.join();
    }
    EXPECT_EQ(paid.load(), 1);
    EXPECT_EQ(taken.load(), 3);
    EXPECT_EQ(p.record().score, before + 20);
}

} // namespace
} // namespace server::test

// The daily exam against the real server: its window, one sitting a day, the pay once whatever
// races, the sittings the clock or leaving finishes, and the ranking's order.
#include "teams/TeamTestSupport.h"

#include "exams/ExamService.h"
#include "storage/PlayerStore.h"

#include <thread>

namespace server::test {

namespace {

class Exam : public TeamTest {
public:
    int today() const { return exams::ExamService::examId(now.load()); }

    Json::Value examIds(const ContestPlayer& p) { return ids(p, 4, today()); }

    // Sits the whole exam: the first `rights` right, each answer after `thinkMs`.
    void sit(const ContestPlayer& p, int rights, std::int64_t thinkMs) {
        const auto list = examIds(p);
        ASSERT_EQ(list["idlist"].size(), 10u) << list;
        int i = 0;
        for (const auto& qsid : list["idlist"]) {
            ASSERT_EQ(fetch(p, 4, qsid.asInt())["response"].asInt(), 1);
            now += thinkMs;
            const bool right = i++ < rights;
            const auto v = submit(p, 4, qsid.asInt(), right ? rightOf(qsid.asInt()) : wrongOf(qsid.asInt()));
            EXPECT_EQ(v["response"].asString(), right ? "success" : "fail") << v;
        }
    }

    Json::Value ranking(const ContestPlayer& p, int type) {
        auto r = request(33);
        r["matchtype"] = type;
        return p.game(r);
    }
};

} // namespace

TEST_F(Exam, OpensFromTenToTwentyTwoUnderTheDaysId) {
    auto p = account();
    at(9, 59);
    EXPECT_EQ(examIds(p)["response"].asInt(), 0);
    at(10, 0);
    EXPECT_EQ(examIds(p)["response"].asInt(), 1);
    EXPECT_EQ(ids(p, 4, today() - 1)["response"].asInt(), 0) << "yesterday's id";
    const auto schedule = p.game(request(26));
    EXPECT_EQ(schedule["matchact"][3]["matchid"].asInt(), 20261209);
    at(22, 0);
    EXPECT_EQ(examIds(p)["response"].asInt(), 0);
    EXPECT_EQ(examIds(p)["idlist"].size(), 0u);
}

TEST_F(Exam, EverybodyGetsTheSameTenAndSitsItOnceForTwoCarrotsARightAnswer) {
    auto a = account(0), b = account(0);
    EXPECT_EQ(examIds(a)["idlist"], examIds(b)["idlist"]);
    sit(a, 7, 2000);
    EXPECT_EQ(a.record().money, 14);
    EXPECT_EQ(examIds(a)["response"].asInt(), 0) << "sat already";
    const int first = examIds(b)["idlist"][0].asInt();
    EXPECT_EQ(fetch(a, 4, first)["response"].asInt(), 0);
    EXPECT_EQ(submit(a, 4, first, rightOf(first))["response"].asString(), "nostart");
    EXPECT_EQ(a.record().money, 14);

    const auto results = a.game(request(49));
    ASSERT_EQ(results["prizearray"].size(), 1u) << results;
    const auto item = results["prizearray"][0];
    EXPECT_EQ(item["type"].asInt(), 4);
    EXPECT_EQ(item["prizetype"].asInt(), 1);
    EXPECT_EQ(item["prizenum"].asInt(), 14);
    EXPECT_EQ(item["rightcount"].asInt(), 7);
    EXPECT_EQ(item["wrongcount"].asInt(), 3);
    EXPECT_EQ(item["score"].asInt(), 70);
    EXPECT_EQ(item["times"].asInt(), 20);
}

TEST_F(Exam, TheRankingGoesByRightAnswersThenTime) {
    auto slow = account(), quick = account(), best = account(), idle = account();
    sit(slow, 8, 3000);
    sit(quick, 8, 1500);
    sit(best, 9, 30'000);
    const auto table = ranking(slow, 4);
    ASSERT_EQ(table["ranklist"].size(), 3u) << table;
    EXPECT_EQ(table["ranklist"][0]["name"].asString(), "139****1002");
    EXPECT_EQ(table["ranklist"][1]["name"].asString(), "139****1001");
    EXPECT_EQ(table["ranklist"][2]["name"].asString(), "139****1000");
    EXPECT_EQ(table["rank"].asInt(), 3);
    EXPECT_EQ(table["wixcount"].asInt(), 8);
    EXPECT_EQ(table["wixtotal"].asInt(), 10);
    EXPECT_EQ(table["userscore"].asInt(), 80);
    EXPECT_TRUE(table["usetime"].isDouble());
    EXPECT_DOUBLE_EQ(table["usetime"].asDouble(), 30.0);
    EXPECT_DOUBLE_EQ(table["ranklist"][1]["usetime"].asDouble(), 15.0);
    EXPECT_EQ(ranking(idle, 4)["rank"].asInt(), 0);
}

TEST_F(Exam, LeavingTheClockAndTheWindowFinishASittingWithWhatWasAnswered) {
    auto leaver = account(0), sleeper = account(0), late = account(0);
    const auto list = examIds(leaver)["idlist"];
    for (int i = 0; i < 3; ++i) {
        const int qsid = list[i].asInt();
        fetch(leaver, 4, qsid);
        submit(leaver, 4, qsid, rightOf(qsid));
        fetch(late, 4, qsid);
        submit(late, 4, qsid, rightOf(qsid));
    }
    auto r = request(27);
    r["act"] = 4;
    r["matchtype"] = 4;
    EXPECT_EQ(leaver.game(r)["response"].asInt(), 1);
    EXPECT_EQ(leaver.record().money, 6);
    EXPECT_EQ(examIds(leaver)["response"].asInt(), 0);

    const auto sleepers = examIds(sleeper)["idlist"];
    for (const auto& qsid : sleepers) {
        fetch(sleeper, 4, qsid.asInt());
    }
    pass(41'000);
    server->app().exams().tick(now.load());
    EXPECT_EQ(examIds(sleeper)["response"].asInt(), 1) << "within the grace";
    pass(2'000);
    server->app().exams().tick(now.load());
    EXPECT_EQ(examIds(sleeper)["response"].asInt(), 0) << "all ten ran out";

    at(22, 0);
    server->app().exams().tick(now.load());
    EXPECT_EQ(late.record().money, 6) << "the window closed on three right answers";
}

TEST_F(Exam, TheLastAnswerRacingTheLeaveAndTheTickPaysOnce) {
    for (int round = 0; round < 3; ++round) {
        auto p = account(0);
        const auto list = examIds(p)["idlist"];
        for (int i = 0; i < 9; ++i) {
            fetch(p, 4, list[i].asInt());
            submit(p, 4, list[i].asInt(), rightOf(list[i].asInt()));
        }
        const int last = list[9].asInt();
        fetch(p, 4, last);
        std::vector<std::thread> threads;
        threads.emplace_back([&] { submit(p, 4, last, rightOf(last)); });
        threads.emplace_back([&] {
            auto r = request(27);
            r["act"] = 4;
            r["matchtype"] = 4;
            p.game(r);
        });
        threads.emplace_back([&] { server->app().exams().tick(now.load()); });
        for (auto& t : threads) {
            t.join();
        }
        const int money = p.record().money;
        EXPECT_TRUE(money == 18 || money == 20) << money;
        server->app().exams().tick(now.load() + 60'000);
        EXPECT_EQ(p.record().money, money) << "nothing paid later";
    }
}

} // namespace server::test

// Sign-in, the lucky draw and the events against the real server on a clock the test moves:
// streaks across days, month ends and a leap day, one reward a day whatever races, and the
// draw's multiplier on the day's answers.
#include "contests/ContestTestSupport.h"

#include "rewards/LuckyDraw.h"
#include "rewards/RewardRules.h"
#include "rewards/SignIn.h"
#include "storage/PlayerStore.h"

#include <thread>

namespace server::test {

namespace {

class DailyRewards : public ContestTest {
public:
    static Json::Value sign(const ContestPlayer& p, const char* act, const char* req) {
        Json::Value r(Json::objectValue);
        r["system"] = 11;
        r["act"] = act;
        r["req"] = req;
        return p.game(r);
    }
    static Json::Value signData(const ContestPlayer& p) { return sign(p, "everyday", "data"); }
    static Json::Value signIn(const ContestPlayer& p) { return sign(p, "everyday", "sign"); }

    // Two requests of one player on two connections at once; both answers.
    static std::pair<Json::Value, Json::Value> race(const ContestPlayer& p, const Json::Value& request) {
        Json::Value first, second;
        std::thread other([&] { second = p.game(request); });
        first = p.game(request);
        other.join();
        return {first, second};
    }
    // A day `offset` days after the test day (Wednesday 2026-12-09), at noon.
    void day(int offset) { at(12, 0, 0, offset); }
};

TEST_F(DailyRewards, StreakGrowsDayByDayResetsAfterAMissedDayAndPaysOnce) {
    auto p = account(0);
    auto before = signData(p);
    EXPECT_EQ(before["issign"].asInt(), 0);
    EXPECT_EQ(before["continuous"].asInt(), 0);
    EXPECT_EQ(before["nextdays"].asInt(), 1);
    EXPECT_EQ(before["nextscore"].asInt(), 10);

    auto first = signIn(p);
    ASSERT_EQ(first["response"].asInt(), 1) << first;
    EXPECT_EQ(first["addscore"].asInt(), 10);
    EXPECT_EQ(first["addmoney"].asInt(), 1);
    EXPECT_EQ(first["score"].asInt(), 10);
    EXPECT_EQ(first["money"].asInt(), 1);
    EXPECT_EQ(first["continuous"].asInt(), 1);
    EXPECT_EQ(first["nextscore"].asInt(), 15) << "tomorrow's";
    EXPECT_EQ(signIn(p)["fail"].asInt(), 1) << "a second sign-in the same day";
    EXPECT_EQ(p.record().money, 1) << "paid once";

    // Days 2 to 7: the score climbs to 40, the seventh adds 5 golden carrots.
    int paidScore = 10, paidMoney = 1;
    for (int d = 1; d <= 6; ++d) {
        day(d);
        auto answer = signIn(p);
        ASSERT_EQ(answer["response"].asInt(), 1) << answer;
        EXPECT_EQ(answer["continuous"].asInt(), d + 1);
        EXPECT_EQ(answer["addscore"].asInt(), rewards::signReward(d + 1).score);
        paidScore += answer["addscore"].asInt();
        paidMoney += answer["addmoney"].asInt();
    }
    EXPECT_EQ(paidScore, 10 + 15 + 20 + 25 + 30 + 35 + 40);
    EXPECT_EQ(paidMoney, 7 + 5);
    day(7);
    EXPECT_EQ(signIn(p)["addscore"].asInt(), 40) << "capped from the seventh day";

    day(9); // the 17th was missed
    auto broken = signData(p);
    EXPECT_EQ(broken["continuous"].asInt(), 0) << broken;
    EXPECT_EQ(broken["nextscore"].asInt(), 10);
    EXPECT_EQ(signIn(p)["continuous"].asInt(), 1);
    EXPECT_EQ(signData(p)["days"].asString(), "0000000011111111010000000000000") << "December 2026, 31 days";
}

TEST_F(DailyRewards, ThreeDaysInARowEarnTheStreakAchievementAndABreakKeepsTheBest) {
    auto p = account(0);
    Json::Value claim(Json::objectValue);
    claim["system"] = 14;
    claim["act"] = "askprize";
    claim["achvId"] = 9; // three days in a row
    for (int d = 0; d < 3; ++d) {
        day(d);
        ASSERT_EQ(signIn(p)["response"].asInt(), 1);
        if (d < 2) {
            EXPECT_EQ(p.game(claim)["fail"].asInt(), 2) << "not yet on day " << d + 1;
        }
    }
    day(3);
    ASSERT_EQ(signIn(p)["continuous"].asInt(), 4);
    Json::Value show(Json::objectValue);
    show["system"] = 14;
    show["act"] = "show";
    for (const auto& entry : p.game(show)["achvlist"]) {
        if (entry["id"].asInt() == 9) {
            EXPECT_EQ(entry["do"].asInt(), 3) << "shown as 3/3, not 4/3";
        } else if (entry["id"].asInt() == 10) {
            EXPECT_EQ(entry["do"].asInt(), 4) << "4/7";
        }
    }
    day(5);
    ASSERT_EQ(signIn(p)["continuous"].asInt(), 1);
    const auto paid = p.game(claim);
    EXPECT_EQ(paid["response"].asInt(), 1) << "the best run counts, not the current one: " << paid;
    EXPECT_EQ(paid["addscore"].asInt(), 20);
}

TEST_F(DailyRewards, CalendarCrossesMonthYearAndLeapDay) {
    auto p = account(0);
    auto december = signData(p);
    EXPECT_EQ(december["year"].asInt(), 2026);
    EXPECT_EQ(december["month"].asInt(), 12);
    EXPECT_EQ(december["week"].asInt(), 3) << "1 December 2026 is a Tuesday";
    EXPECT_EQ(december["days"].asString().size(), 31u);

    at(23, 59, 59, 22); // 31 December
    ASSERT_EQ(signIn(p)["response"].asInt(), 1);
    at(0, 0, 0, 23); // 1 January 2027, just after midnight
    auto january = signIn(p);
    ASSERT_EQ(january["response"].asInt(), 1) << "a new day at midnight";
    EXPECT_EQ(january["continuous"].asInt(), 2) << "the run goes on across the year";
    EXPECT_EQ(january["year"].asInt(), 2027);
    EXPECT_EQ(january["month"].asInt(), 1);
    EXPECT_EQ(january["week"].asInt(), 6) << "1 January 2027 is a Friday";
    EXPECT_EQ(january["days"].asString(), "1" + std::string(30, '0'));

    day(447); // 29 February 2028
    auto leap = signIn(p);
    EXPECT_EQ(leap["month"].asInt(), 2);
    EXPECT_EQ(leap["days"].asString(), std::string(28, '0') + "1");
    EXPECT_EQ(leap["week"].asInt(), 3) << "1 February 2028 is a Tuesday";
    day(448);
    auto march = signIn(p);
    EXPECT_EQ(march["continuous"].asInt(), 2) << "29 February and 1 March are neighbours";
    EXPECT_EQ(rewards::SignIn::daysInMonth(2027, 2), 28);
    EXPECT_EQ(rewards::SignIn::daysInMonth(2100, 2), 28) << "the server's own calendar is the real one";
    EXPECT_EQ(rewards::SignIn::daysInMonth(2026, 13), 0);
}

TEST_F(DailyRewards, RacingSignInsAndDrawsPayOnce) {
    auto p = account(0);
    Json::Value r(Json::objectValue);
    r["system"] = 11;
    r["act"] = "everyday";
    r["req"] = "sign";
    auto [a, b] = race(p, r);
    EXPECT_EQ(a["response"].asInt() + b["response"].asInt(), 1) << a << b;
    EXPECT_EQ(p.record().money, 1);
    EXPECT_EQ(p.record().score, 10);

    r["act"] = "luck";
    auto [c, d] = race(p, r);
    EXPECT_EQ(c["response"].asInt() + d["response"].asInt(), 1) << c << d;
    const Json::Value& won = c["response"].asInt() == 1 ? c : d;
    const int carrots = won["awardtype"].asInt() == rewards::kLuckCarrots ? won["awardscore"].asInt() : 0;
    EXPECT_EQ(p.record().score, 10 + carrots) << won;
}

TEST_F(DailyRewards, DrawIsKeptForTheDayAndItsMultiplierRaisesTheDaysRightAnswers) {
    auto p = account(0);
    auto fresh = sign(p, "luck", "data");
    EXPECT_EQ(fresh["issign"].asInt(), 0);
    auto drawn = sign(p, "luck", "sign");
    ASSERT_EQ(drawn["response"].asInt(), 1) << drawn;
    EXPECT_EQ(drawn["issign"].asInt(), 1);
    EXPECT_FALSE(drawn["award"].asString().empty());
    auto again = sign(p, "luck", "data");
    EXPECT_EQ(again["awardtype"], drawn["awardtype"]);
    EXPECT_EQ(again["awardscore"].asDouble(), drawn["awardscore"].asDouble());
    EXPECT_EQ(sign(p, "luck", "sign")["fail"].asInt(), 1);
    day(1);
    EXPECT_EQ(sign(p, "luck", "data")["issign"].asInt(), 0) << "a new draw the next day";

    // A second player whose day's draw is a double score (stored as a draw would store it).
    auto q = account(0);
    {
        auto insert = server->app().services().storage.query(
            "INSERT INTO luck_draws (player_id, day, kind, amount, award) VALUES (?1, 20261210, 1, 2.0, 'x2')");
        insert->bindAll(q.id()).run();
    }
    Json::Value ids(Json::objectValue);
    ids["system"] = 4;
    const auto list = q.game(ids);
    ASSERT_GT(list["idlist"].size(), 0u) << list;
    const int qsid = list["idlist"][0].asInt();
    Json::Value fetch(Json::objectValue);
    fetch["system"] = 2;
    fetch["qsid"] = qsid;
    ASSERT_EQ(q.game(fetch)["response"].asInt(), 1);
    Json::Value answer(Json::objectValue);
    answer["system"] = 3;
    answer["qsid"] = qsid;
    answer["answer"] = rightOf(qsid);
    const auto verdict = q.game(answer);
    EXPECT_EQ(verdict["addscore"].asInt(), 20) << verdict;

    int total = 0;
    for (const auto& prize : rewards::kLuckPrizes) total += prize.percent;
    EXPECT_EQ(total, 100) << "the published odds";
    EXPECT_EQ(rewards::LuckyDraw::prizeOf(0), 0u);
    EXPECT_EQ(rewards::LuckyDraw::prizeOf(39), 0u);
    EXPECT_EQ(rewards::LuckyDraw::prizeOf(40), 1u);
    EXPECT_EQ(rewards::LuckyDraw::prizeOf(99), rewards::kLuckPrizes.size() - 1);
}

TEST_F(DailyRewards, EventJoinsPayOnceAndFollowTheClock) {
    auto p = account(0);
    Json::Value join(Json::objectValue);
    join["system"] = 15;
    join["act"] = 1;
    join["hdid"] = 2; // costs 10
    EXPECT_EQ(p.game(join)["fail"].asInt(), 1);
    server->app().services().players.addProgress(p.id(), PlayerProgress{0, 25, 0});
    auto [a, b] = race(p, join);
    EXPECT_EQ(a["response"].asInt() + b["response"].asInt(), 1) << a << b;
    EXPECT_EQ(p.record().money, 15) << "the refused join of before was not recorded, the race paid once";
    EXPECT_EQ((a["response"].asInt() == 1 ? b : a)["fail"].asInt(), 3);

    Json::Value list(Json::objectValue);
    list["system"] = 15;
    list["act"] = 0;
    EXPECT_EQ(p.game(list)["huodong"].size(), 2u);
    day(365 * 5); // 2031: both events are over
    EXPECT_EQ(p.game(list)["huodong"].size(), 0u);
    join["hdid"] = 1;
    EXPECT_EQ(p.game(join)["fail"].asInt(), 2);
}

} // namespace
} // namespace server::test

// The weekly ranking against the real server: this week's order, the player's own place, guests
// left out, and the Monday that closes the week once, keeps the places and pays the top ten.
#include "contests/ContestTestSupport.h"

#include "rankings/WeeklyRanking.h"
#include "rewards/RewardRules.h"
#include "storage/PlayerStore.h"

namespace server::test {

namespace {

class WeeklyRanking : public ContestTest {
public:
    static Json::Value page(const ContestPlayer& p) {
        Json::Value r(Json::objectValue);
        r["system"] = 13;
        return p.game(r);
    }
    void earn(const ContestPlayer& p, int score) {
        server->app().services().players.addProgress(p.id(), PlayerProgress{score, 0, 0});
    }
};

TEST_F(WeeklyRanking, OrdersThisWeeksScoreAndLeavesGuestsOut) {
    auto a = account(0), b = account(0), c = account(0), idle = account(0);
    auto g = guest("GUESTMAC01");
    page(a); // the week of the first request begins
    earn(a, 30);
    earn(b, 50);
    earn(c, 30);
    server->app().services().players.addProgress(g.login["id"].asInt(), PlayerProgress{500, 0, 0});

    auto seen = page(c);
    ASSERT_EQ(seen["response"].asInt(), 1) << seen;
    ASSERT_EQ(seen["ranklist"].size(), 3u) << "the guest and the player without score are not listed";
    EXPECT_EQ(seen["ranklist"][0]["tel"].asString(), b.record().userName);
    EXPECT_EQ(seen["ranklist"][0]["rank"].asInt(), 1);
    EXPECT_EQ(seen["ranklist"][0]["score"].asInt(), 50);
    EXPECT_EQ(seen["ranklist"][1]["tel"].asString(), a.record().userName) << "a tie goes to the older account";
    EXPECT_FALSE(seen["ranklist"][1]["name"].asString().empty());
    EXPECT_EQ(seen["myrank"].asInt(), 3);
    EXPECT_EQ(seen["curweekscore"].asInt(), 30);
    EXPECT_EQ(seen["myscore"].asInt(), 0) << "no last week yet";
    EXPECT_EQ(page(idle)["myrank"].asInt(), 0);
    EXPECT_EQ(page(g)["myrank"].asInt(), 0);
    EXPECT_EQ(page(g)["curweekscore"].asInt(), 500);
}

TEST_F(WeeklyRanking, MondayClosesTheWeekOnceKeepsPlacesAndPaysTheTopTen) {
    auto a = account(0), b = account(0), c = account(0);
    page(a);
    earn(a, 80);
    earn(b, 120);
    earn(c, 10);

    at(23, 59, 59, 4); // Sunday night: still this week
    EXPECT_EQ(page(a)["curweekscore"].asInt(), 80);
    at(0, 0, 0, 5); // Monday 14 December 00:00
    auto monday = page(a);
    EXPECT_EQ(monday["curweekscore"].asInt(), 0) << monday;
    EXPECT_EQ(monday["myscore"].asInt(), 80) << "last week's score";
    EXPECT_EQ(monday["myrank"].asInt(), 0);
    EXPECT_EQ(monday["ranklist"].size(), 0u);
    page(b);
    server->app().weekly().rollOver(20261214);
    EXPECT_EQ(b.record().money, rewards::weeklyPrize(1)) << "paid once";
    EXPECT_EQ(a.record().money, rewards::weeklyPrize(2));
    EXPECT_EQ(c.record().money, rewards::weeklyPrize(3));
    EXPECT_EQ(a.record().lastRank, 2);
    EXPECT_EQ(a.record().rankPrizeMoney, rewards::weeklyPrize(2));
    EXPECT_EQ(a.record().score, 80) << "the week's score leaves the total alone";

    Json::Value info(Json::objectValue);
    info["system"] = 1;
    auto user = a.game(info);
    EXPECT_EQ(user["lastrank"].asInt(), 2) << user;
    EXPECT_EQ(user["rankprizemoney"].asInt(), rewards::weeklyPrize(2));
    EXPECT_EQ(user["brankpop"].asInt(), 1);
    EXPECT_EQ(user["weekscore"].asInt(), 0);

    // A week without any score: the next Monday clears the places and pays nobody.
    at(12, 0, 0, 12);
    page(a);
    EXPECT_EQ(a.record().lastRank, 0);
    EXPECT_EQ(a.record().money, rewards::weeklyPrize(2));
    EXPECT_EQ(page(a)["myscore"].asInt(), 0);
}

TEST_F(WeeklyRanking, AnAnswerInTheNewWeekCountsForTheNewWeek) {
    auto a = account(0);
    page(a);
    earn(a, 40);
    at(0, 0, 1, 5); // Monday, before any ranking request or tick
    Json::Value ids(Json::objectValue);
    ids["system"] = 4;
    const auto list = a.game(ids);
    ASSERT_GT(list["idlist"].size(), 0u);
    const int qsid = list["idlist"][0].asInt();
    Json::Value fetch(Json::objectValue);
    fetch["system"] = 2;
    fetch["qsid"] = qsid;
    a.game(fetch);
    Json::Value answer(Json::objectValue);
    answer["system"] = 3;
    answer["qsid"] = qsid;
    answer["answer"] = rightOf(qsid);
    ASSERT_GT(a.game(answer)["addscore"].asInt(), 0);
    auto seen = page(a);
    EXPECT_EQ(seen["myscore"].asInt(), 40) << "last week kept what it earned";
    EXPECT_EQ(seen["curweekscore"].asInt(), 10) << "the answer opened the new week";
}

} // namespace
} // namespace server::test

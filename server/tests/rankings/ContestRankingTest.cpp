// The one-to-one and challenge rankings: wins, then points, then the player id, over paid
// contests of the asked type only.
#include "teams/TeamTestSupport.h"

namespace server::test {

namespace {

class ContestRankingTable : public TeamTest {
public:
    // A finished contest as the contests store it: side 1 wins unless `tie`.
    void played(int type, const ContestPlayer& a, int aPoints, const ContestPlayer& b, int bPoints, bool paid = true,
                bool tie = false) {
        auto q = server->app().services().storage.query(
            "INSERT INTO contests (matchtype, day, started, player1, player2, paid, points1, points2, win1, win2) "
            "VALUES (?1, 20261209, 0, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
        q->bindAll(type, a.id(), b.id(), paid ? 1 : 0, aPoints, bPoints, tie ? 2 : 1, tie ? 2 : 0).run();
    }
    Json::Value ranking(const ContestPlayer& p, int type) {
        auto r = request(33);
        r["matchtype"] = type;
        return p.game(r);
    }
};

} // namespace

TEST_F(ContestRankingTable, OrdersByWinsThenPointsThenIdPerType) {
    auto a = account(), b = account(), c = account(), d = account(), e = account();
    played(1, a, 30, b, 20);
    played(1, b, 50, c, 10);
    played(1, c, 40, a, 10);
    played(1, d, 10, e, 0, false); // never paid: not finished
    played(3, e, 50, d, 0);
    played(1, d, 20, d, 20, true, true);

    const auto table = ranking(a, 1);
    ASSERT_EQ(table["response"].asInt(), 1) << table;
    // a, b and c won one each: points 40, 70, 50; then d with a tie.
    ASSERT_EQ(table["ranklist"].size(), 4u) << table;
    EXPECT_EQ(table["ranklist"][0]["name"].asString(), "139****1001");
    EXPECT_EQ(table["ranklist"][1]["name"].asString(), "139****1002");
    EXPECT_EQ(table["ranklist"][2]["name"].asString(), "139****1000");
    EXPECT_EQ(table["ranklist"][3]["wixcount"].asInt(), 0);
    EXPECT_EQ(table["rank"].asInt(), 3);
    EXPECT_EQ(table["wixcount"].asInt(), 1);
    EXPECT_EQ(table["wixtotal"].asInt(), 2);
    EXPECT_EQ(table["userscore"].asInt(), 40);
    EXPECT_EQ(table["usetime"].asInt(), 0);
    EXPECT_EQ(ranking(e, 1)["rank"].asInt(), 0) << "its only type 1 contest was never paid";

    const auto challenges = ranking(a, 3);
    ASSERT_EQ(challenges["ranklist"].size(), 2u);
    EXPECT_EQ(challenges["ranklist"][0]["name"].asString(), "139****1004");
    EXPECT_EQ(ranking(a, 2)["response"].asInt(), 0) << "teams rank by 40 act 1";
}

} // namespace server::test

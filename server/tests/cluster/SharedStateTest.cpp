// Two game servers on one database with their live state shared: sessions, heartbeat messages,
// halls and contests work whichever server a request lands on.
#include "contests/ContestTestSupport.h"

#include "accounts/SessionTable.h"
#include "commands/PushQueue.h"
#include "contests/ContestRules.h"

#include <thread>
#include <vector>

namespace server::test {
namespace {

class SharedStateTest : public ContestTest {
protected:
    void SetUp() override {
        shared = true;
        ContestTest::SetUp();
        startSecond();
    }

    Json::Value heartbeatOn(TestServer& s, const ContestPlayer& p) {
        Json::Value r(Json::objectValue);
        r["system"] = 10;
        return s.game(r, p.login, p.mac);
    }
};

TEST_F(SharedStateTest, ASessionWorksOnEveryServerAndALaterLoginReplacesItEverywhere) {
    ContestPlayer a = account();
    EXPECT_EQ(heartbeatOn(*server, a)["response"].asInt(), 1);
    EXPECT_EQ(heartbeatOn(*second, a)["response"].asInt(), 1) << "the login on the first server holds on the second";
    const Json::Value old = a.login;
    a.restart();
    Json::Value r(Json::objectValue);
    r["system"] = 10;
    for (TestServer* s : {server.get(), second.get()}) {
        EXPECT_NE(s->game(r, old, a.mac)["response"].asInt(), 1) << "the replaced session is gone everywhere";
        EXPECT_EQ(heartbeatOn(*s, a)["response"].asInt(), 1);
    }
    EXPECT_EQ(second->app().services().sessions.size(), server->app().services().sessions.size());
}

TEST_F(SharedStateTest, APushMadeOnOneServerIsFetchedOnTheOtherOnceAndInOrder) {
    ContestPlayer a = account();
    PushQueue& first = server->app().services().pushes;
    for (int i = 0; i < 3; ++i) {
        Json::Value m(Json::objectValue);
        m["system"] = 31;
        m["n"] = i;
        first.push(a.id(), m);
    }
    EXPECT_EQ(second->app().services().pushes.pending(a.id()), 3u);
    for (int i = 0; i < 3; ++i) {
        TestServer& s = i % 2 == 0 ? *second : *server;
        EXPECT_EQ(heartbeatOn(s, a)["n"].asInt(), i);
    }
    EXPECT_EQ(heartbeatOn(*second, a)["system"].asInt(), 10) << "nothing left, nothing twice";

    // The queue keeps the newest when a player stops fetching.
    for (int i = 0; i < 70; ++i) {
        Json::Value m(Json::objectValue);
        m["system"] = 31;
        m["n"] = i;
        second->app().services().pushes.push(a.id(), m);
    }
    EXPECT_EQ(first.pending(a.id()), 64u);
    EXPECT_EQ(first.pop(a.id()).value()["n"].asInt(), 6);
}

TEST_F(SharedStateTest, PlayersOnDifferentServersPlayOneContestPaidOnce) {
    ContestPlayer a = account(100);
    ContestPlayer b = account(100);
    b.via = second.get();
    pairUp(a, b);
    EXPECT_TRUE(server->app().contests().inContest(b.id()));
    EXPECT_TRUE(second->app().contests().inContest(a.id()));
    playOut(a, 4, b, 2);
    const Json::Value ra = a.take(32);
    const Json::Value rb = b.take(32);
    ASSERT_FALSE(ra.isNull()) << "a's result";
    ASSERT_FALSE(rb.isNull()) << "b's result";
    // Both servers ticking afterwards pay nothing twice.
    for (int i = 0; i < 3; ++i) {
        server->app().contests().tick(now);
        second->app().contests().tick(now);
    }
    EXPECT_EQ(a.record().money - 100, contests::kWinnerMoney);
    EXPECT_EQ(b.record().money, 100);
    EXPECT_EQ(a.record().score, 4 * contests::kPointsPerRight);
    EXPECT_EQ(b.record().score, 2 * contests::kPointsPerRight);
    EXPECT_EQ(server->app().contests().runningContests(), 0u);
}

TEST_F(SharedStateTest, AContestOutlivesTheServerThatStartedItAndItsAnswersCount) {
    ContestPlayer a = account(100);
    ContestPlayer b = account(100);
    b.via = second.get();
    pairUp(a, b);
    playQuestion(a, true, b, false);
    playQuestion(a, true, b, false);
    server->shutDown();
    // a's client finds its server gone and logs in again; the entry hands out the survivor.
    a.via = second.get();
    for (int i = 0; i < 3; ++i) {
        playQuestion(a, true, b, false);
    }
    a.drain();
    b.drain();
    const Json::Value result = a.take(32);
    ASSERT_FALSE(result.isNull());
    EXPECT_EQ(a.record().score, 5 * contests::kPointsPerRight) << "the two answers the first server took count";
    EXPECT_EQ(a.record().money - 100, contests::kWinnerMoney);
}

TEST_F(SharedStateTest, ASearchOnOneServerTimesOutByTheOthersTick) {
    ContestPlayer a = account(100);
    ASSERT_EQ(a.presence(1, 1)["response"].asInt(), 1);
    ASSERT_EQ(a.pair(0, 1)["response"].asInt(), 1);
    // Only the second server ticks and hears from a, for longer than any search waits.
    a.via = second.get();
    for (int i = 0; i < 200; ++i) {
        pass(1000);
        a.beat();
        second->app().contests().tick(now);
    }
    EXPECT_TRUE(a.holds(28)) << "the search ended with a message, fetched on the other server";
}

TEST_F(SharedStateTest, RacingSearchesOnBothServersPairEachPlayerOnce) {
    std::vector<ContestPlayer> players;
    for (int i = 0; i < 12; ++i) {
        players.push_back(account(100));
        players.back().via = i % 2 == 0 ? server.get() : second.get();
        ASSERT_EQ(players.back().presence(1, 1)["response"].asInt(), 1);
    }
    std::vector<std::thread> threads;
    for (auto& p : players) {
        threads.emplace_back([&p] { p.pair(0, 1); });
    }
    for (auto& t : threads) {
        t.join();
    }
    for (auto& p : players) {
        p.drain();
        const Json::Value start = p.take(28, 3);
        ASSERT_FALSE(start.isNull()) << p.id() << " was never paired";
        EXPECT_FALSE(p.holds(28, 3)) << p.id() << " was paired twice";
    }
    EXPECT_EQ(second->app().contests().runningContests(), players.size() / 2);
}

} // namespace
} // namespace server::test

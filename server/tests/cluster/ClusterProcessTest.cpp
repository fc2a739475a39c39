// The cluster as operators run it: one PostgreSQL, one entry server and two game servers, each a
// real brindle-server process. Players spread over both game servers, two on different ones play
// a contest, and one game server is killed in the middle of it.
#include "TestDatabase.h"
#include "integration/ChildServer.h"
#include "integration/TestClient.h"
#include "quiz/QuizStore.h"
#include "storage/PlayerStore.h"
#include "storage/Storage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <deque>
#include <fstream>
#include <iostream>
#include <map>
#include <thread>

namespace server::test {
namespace {

using namespace std::chrono_literals;

const std::string kDigest = "E10ADC3949BA59ABBE56E057F20F883E";

Json::Value object(int system) {
    Json::Value r(Json::objectValue);
    r["system"] = system;
    return r;
}

struct Player {
    std::string user;
    std::string mac;
    Json::Value login;
    int id() const { return login["id"].asInt(); }
    int port() const { return login["port"].asInt(); }
    Json::Value game(Json::Value request) const {
        request["mac"] = mac;
        request["sessionid"] = login["sessionid"];
        request["id"] = login["id"];
        return TestClient::game(port(), request);
    }
};

class ClusterProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The PostgreSQL run of the suite (ServerTestsPostgresql) plays it; a file cannot share
        // the sessions of separate processes.
        if (!onPostgres()) {
            GTEST_SKIP() << "runs in the PostgreSQL run of the suite (BRINDLE_TEST_BACKEND=postgresql)";
        }
        db = databaseFor(logs, "cluster");
        const std::vector<std::string> common = {"--log-level", "info", "--clock", "2026-12-09 12:00:00", "--bank",
                                                 std::string(BRINDLE_SERVER_SOURCE_DIR) + "/bank/questions"};
        auto with = [&](std::vector<std::string> more) {
            more.insert(more.begin(), common.begin(), common.end());
            return more;
        };
        // One after the other: the first one migrates and loads the bank.
        game1 = std::make_unique<ChildServer>(db, with({"--no-entry"}), logs.file("game1.log"));
        ASSERT_GT(game1->gamePort(), 0) << "first game server did not start";
        game2 = std::make_unique<ChildServer>(db, with({"--no-entry"}), logs.file("game2.log"));
        ASSERT_GT(game2->gamePort(), 0) << "second game server did not start";
        entry = std::make_unique<ChildServer>(
            db, with({"--no-game", "--game-server", "127.0.0.1:" + std::to_string(game1->gamePort()),
                             "--game-server", "127.0.0.1:" + std::to_string(game2->gamePort())}), logs.file("entry.log"));
        ASSERT_GT(entry->entryPort(), 0) << "entry server did not start";
    }

    void TearDown() override {
        if (HasFailure()) {
            // The servers' own account of what happened, for whoever reads the failure.
            for (const char* name : {"entry.log", "game1.log", "game2.log"}) {
                std::ifstream in(logs.file(name));
                std::deque<std::string> tail;
                for (std::string line; std::getline(in, line);) {
                    tail.push_back(line);
                    if (tail.size() > 40) {
                        tail.pop_front();
                    }
                }
                std::cerr << "--- " << name << " (last lines)\n";
                for (const auto& line : tail) {
                    std::cerr << line << "\n";
                }
            }
        }
        entry.reset();
        game2.reset();
        game1.reset();
    }

    Json::Value login(Player& p) {
        Json::Value r = object(2);
        r["username"] = p.user;
        r["pwd"] = kDigest;
        r["mac"] = p.mac;
        p.login = TestClient::entry(entry->entryPort(), r);
        return p.login;
    }

    Player signUp(int n) {
        Player p{"1380000" + std::to_string(1000 + n), "CLUSTER" + std::to_string(n), {}};
        Json::Value r = object(1);
        r["username"] = p.user;
        r["pwd"] = kDigest;
        r["mac"] = p.mac;
        EXPECT_EQ(TestClient::entry(entry->entryPort(), r)["response"].asInt(), 1) << p.user;
        EXPECT_EQ(login(p)["response"].asInt(), 1) << p.login;
        return p;
    }

    // Heartbeats until one carries the push of this system (and act unless -1); null if none.
    Json::Value waitFor(const Player& p, int system, int act = -1) {
        for (int i = 0; i < 50; ++i) {
            const Json::Value beat = p.game(object(10));
            if (beat["system"].asInt() == system && (act < 0 || beat["act"].asInt() == act)) {
                return beat;
            }
            if (beat["system"].asInt() == 10) {
                std::this_thread::sleep_for(20ms);
            }
        }
        return Json::Value();
    }

    std::string rightOf(int qsid) {
        Storage storage(db);
        return quiz::QuizStore(storage).find(qsid)->right;
    }

    std::string wrongOf(int qsid) {
        Storage storage(db);
        const auto entry = quiz::QuizStore(storage).find(qsid);
        for (const auto& option : entry->body["answer"]) {
            if (option.asString() != entry->right) {
                return option.asString();
            }
        }
        return "-1";
    }

    // Both fetch the contest's next question; a answers right, b wrong. Each verdict acknowledged.
    void playQuestion(const Player& a, const Player& b) {
        const Json::Value qa = waitFor(a, 29);
        const Json::Value qb = waitFor(b, 29);
        ASSERT_FALSE(qa.isNull()) << "no question for " << a.id();
        ASSERT_EQ(qa["qsid"], qb["qsid"]);
        const int qsid = qa["qsid"].asInt();
        Json::Value r = object(30);
        r["qsid"] = qsid;
        r["matchtype"] = 1;
        r["spendtime"] = 2.5;
        r["answer"] = rightOf(qsid);
        EXPECT_EQ(a.game(r)["response"].asString(), "success");
        r["answer"] = wrongOf(qsid);
        EXPECT_EQ(b.game(r)["response"].asString(), "fail");
    }

    TempDir logs;
    std::string db;
    std::unique_ptr<ChildServer> game1, game2, entry;
};

TEST_F(ClusterProcessTest, PlayersSpreadPlayAcrossServersAndKeepEverythingWhenOneIsKilled) {
    const int port1 = game1->gamePort();
    const int port2 = game2->gamePort();
    std::vector<Player> players;
    std::map<int, int> perPort;
    for (int i = 0; i < 200; ++i) {
        players.push_back(signUp(i));
        ++perPort[players.back().port()];
    }
    EXPECT_EQ(perPort.size(), 2u) << "every login went to one server";
    EXPECT_GE(perPort[port1], 60);
    EXPECT_GE(perPort[port2], 60);

    // Everyone on the first server signs in for the day: score and money acknowledged.
    std::map<int, Json::Value> acknowledged;
    for (const Player& p : players) {
        if (p.port() != port1) {
            continue;
        }
        Json::Value r = object(11);
        r["act"] = "everyday";
        r["req"] = "sign";
        const Json::Value signed_ = p.game(r);
        ASSERT_EQ(signed_["response"].asInt(), 1) << signed_;
        acknowledged[p.id()] = signed_;
    }

    // A contest across the two servers.
    const auto onPort = [&](int port) {
        return std::find_if(players.begin(), players.end(), [port](const Player& p) { return p.port() == port; });
    };
    ASSERT_NE(onPort(port1), players.end());
    ASSERT_NE(onPort(port2), players.end());
    Player& a = *onPort(port1);
    Player& b = *onPort(port2);
    for (const Player* p : {&a, &b}) {
        Json::Value r = object(27);
        r["act"] = 1;
        r["matchtype"] = 1;
        ASSERT_EQ(p->game(r)["response"].asInt(), 1);
    }
    for (const Player* p : {&a, &b}) {
        Json::Value r = object(28);
        r["act"] = 0;
        r["matchtype"] = 1;
        r["eqquse"] = 1;
        r["name"] = "x";
        r["challenge"] = p->login["sessionid"];
        ASSERT_EQ(p->game(r)["response"].asInt(), 1);
    }
    ASSERT_FALSE(waitFor(a, 28, 3).isNull()) << "a was not paired";
    ASSERT_FALSE(waitFor(b, 28, 3).isNull()) << "b was not paired";
    playQuestion(a, b);
    playQuestion(a, b);

    // The first game server dies in the middle of the contest.
    game1->kill(SIGKILL);
    EXPECT_TRUE(a.game(object(10)).isNull()) << "a's server is gone";

    Storage storage(db);
    PlayerStore records(storage);

    // Its players log in again and, once the entry server's health check noticed, land on the other.
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (login(a)["port"].asInt() != port2 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(200ms);
    }
    ASSERT_EQ(a.port(), port2) << "still sent to the dead server";
    for (Player& p : players) {
        if (p.port() != port1) {
            continue;
        }
        ASSERT_EQ(login(p)["port"].asInt(), port2) << p.id();
        Json::Value r = object(11);
        r["act"] = "everyday";
        r["req"] = "data";
        EXPECT_EQ(p.game(r)["issign"].asInt(), 1) << "the sign-in of " << p.id() << " was lost";
        if (p.id() == a.id()) {
            continue; // a's score moves on with the contest
        }
        const auto record = records.find(p.id());
        ASSERT_TRUE(record);
        const Json::Value& before = acknowledged[p.id()];
        EXPECT_EQ(record->score, before["score"].asInt()) << p.id();
        EXPECT_EQ(record->money, before["money"].asInt()) << p.id();
    }

    // The contest goes on where it was: the two answers the dead server acknowledged count.
    for (int i = 0; i < 3; ++i) {
        playQuestion(a, b);
    }
    const Json::Value result = waitFor(a, 32);
    ASSERT_FALSE(result.isNull()) << "no result for a";
    EXPECT_FALSE(waitFor(b, 32).isNull()) << "no result for b";

    const auto ra = records.find(a.id());
    const auto rb = records.find(b.id());
    ASSERT_TRUE(ra && rb);
    const Json::Value& aBefore = acknowledged[a.id()];
    EXPECT_EQ(ra->score, aBefore["score"].asInt() + 5 * 10) << "five right answers, two of them on the dead server";
    EXPECT_EQ(ra->money, aBefore["money"].asInt() + 10) << "the winner's pay, once";
}

} // namespace
} // namespace server::test

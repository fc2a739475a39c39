// Contests against the real server over loopback, on a contest clock the test moves by hand.
// Players are registered accounts; each keeps the pushes its heartbeats fetched in an inbox.
#pragma once

#include "integration/TestClient.h"
#include "integration/TestServer.h"
#include "storage/PlayerRecord.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <memory>
#include <string>

namespace server::test {

class ContestTest;

struct ContestPlayer {
    ContestTest* test = nullptr;
    std::string mac;
    Json::Value login;
    std::deque<Json::Value> inbox; // pushes fetched and not yet taken
    TestServer* via = nullptr;      // the game server the requests go to; null: the test's server

    int id() const { return login["id"].asInt(); }
    std::string idText() const { return std::to_string(id()); }
    Json::Value game(Json::Value request) const;

    // One heartbeat; a push it carries goes to the inbox.
    Json::Value beat();
    // Heartbeats until one carries nothing.
    void drain();
    // The first push in the inbox with this "system" (and "act" unless -1), removed; null if none.
    Json::Value take(int system, int act = -1);
    bool holds(int system, int act = -1) const;

    Json::Value presence(int act, int type) const;
    Json::Value pair(int act, int type, const Json::Value& challenge = Json::Value()) const;
    Json::Value answer(const Json::Value& qsid, const Json::Value& text) const;
    PlayerRecord record() const;
    // The game started anew on the same device: a fresh login (a new session), nothing fetched.
    void restart();
};

class ContestTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override {
        second.reset(); // before the first: its folder holds the database
        server.reset();
    }

public:
    // A registered player with this much money.
    ContestPlayer account(int money = 100);
    ContestPlayer guest(const std::string& mac);

    // The contest clock: a local time on the test day (a Wednesday, 2026-12-09).
    void at(int hour, int minute, int second = 0, int dayOffset = 0);
    void pass(std::int64_t ms) { now += ms; }
    // Lets time pass in steps, each player in `beating` heartbeating after every step, and the
    // server's tick run after each.
    void live(std::int64_t ms, std::initializer_list<ContestPlayer*> beating, std::int64_t step = 1000);
    void tick();

    // Both players search in the one-to-one hall and are paired; the pushes of the start taken.
    // Unless bBeats, b's heartbeats have not fetched anything yet.
    void pairUp(ContestPlayer& a, ContestPlayer& b, bool bBeats = true);
    // The question the player's heartbeats fetched (a push 29), after draining the queue.
    Json::Value nextQuestion(ContestPlayer& p);
    // Both fetch the current question and answer it, a first, right or wrong as asked; the
    // question's id.
    int playQuestion(ContestPlayer& a, bool aRight, ContestPlayer& b, bool bRight);
    // All five questions: a gets the first aRights right, b the first bRights.
    void playOut(ContestPlayer& a, int aRights, ContestPlayer& b, int bRights);
    std::string rightOf(int qsid);
    std::string wrongOf(int qsid);

    std::unique_ptr<TestServer> server;
    // A second game server on the same database (sharing its live state), once startSecond() ran.
    std::unique_ptr<TestServer> second;
    void startSecond();
    // The first server, or the second once the first was shut down.
    TestServer& running();
    // The server adjustments of this fixture, for a further server on the same database.
    void adjust(ServerConfig& c);
    bool shared = false; // both servers share the live state (set before SetUp)
    std::atomic<std::int64_t> now{0};
    bool sweeper = false; // the server's own once-a-second tick; off: the test ticks
    int nextUser = 0;
};

} // namespace server::test

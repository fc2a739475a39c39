#include "contests/ContestTestSupport.h"

#include "quiz/QuizStore.h"
#include "storage/PlayerStore.h"

#include <ctime>
#include <filesystem>

namespace server::test {

namespace {

const std::string kDigest = "E10ADC3949BA59ABBE56E057F20F883E";

Json::Value object(int system) {
    Json::Value r(Json::objectValue);
    r["system"] = system;
    return r;
}

} // namespace

Json::Value ContestPlayer::game(Json::Value request) const {
    return (via != nullptr ? via : test->server.get())->game(std::move(request), login, mac);
}

Json::Value ContestPlayer::beat() {
    auto answer = game(object(10));
    EXPECT_TRUE(answer.isObject()) << "no heartbeat answer";
    if (answer["system"].asInt() != 10) {
        inbox.push_back(answer);
    }
    return answer;
}

void ContestPlayer::drain() {
    for (int i = 0; i < 100 && beat()["system"].asInt() != 10; ++i) {
    }
}

Json::Value ContestPlayer::take(int system, int act) {
    for (auto it = inbox.begin(); it != inbox.end(); ++it) {
        if ((*it)["system"].asInt() == system && (act < 0 || (*it)["act"].asInt() == act)) {
            Json::Value found = *it;
            inbox.erase(it);
            return found;
        }
    }
    return Json::Value();
}

bool ContestPlayer::holds(int system, int act) const {
    for (const auto& m : inbox) {
        if (m["system"].asInt() == system && (act < 0 || m["act"].asInt() == act)) {
            return true;
        }
    }
    return false;
}

Json::Value ContestPlayer::presence(int act, int type) const {
    auto r = object(27);
    r["act"] = act;
    r["matchtype"] = type;
    return game(r);
}

Json::Value ContestPlayer::pair(int act, int type, const Json::Value& challenge) const {
    auto r = object(28);
    r["act"] = act;
    r["matchtype"] = type;
    r["eqquse"] = 1;
    r["name"] = "x";
    // The client sends its own session as "challenge" when it asks.
    r["challenge"] = act == 0 ? login["sessionid"] : challenge;
    return game(r);
}

Json::Value ContestPlayer::answer(const Json::Value& qsid, const Json::Value& text) const {
    auto r = object(30);
    r["qsid"] = qsid;
    r["answer"] = text;
    r["spendtime"] = 3.4;
    r["matchtype"] = 1;
    return game(r);
}

PlayerRecord ContestPlayer::record() const {
    TestServer& any = test->running();
    return *any.app().services().players.find(id());
}

void ContestPlayer::restart() {
    Json::Value r = object(2);
    r["username"] = record().userName;
    r["pwd"] = kDigest;
    r["mac"] = mac;
    login = TestClient::entry(test->running().entryPort(), r);
    EXPECT_EQ(login["response"].asInt(), 1) << login;
    inbox.clear();
}

void ContestTest::adjust(ServerConfig& c) {
    namespace fs = std::filesystem;
    c.bankDir = std::string(BRINDLE_SERVER_SOURCE_DIR) + "/bank/questions";
    c.mediaDir = (fs::path(BRINDLE_SERVER_BINARY).parent_path().parent_path() / "server-data" / "media").string();
    c.contestSweeper = sweeper;
    c.contestClock = [this] { return std::chrono::system_clock::time_point(std::chrono::milliseconds(now.load())); };
    c.sharedLiveState = c.sharedLiveState || shared;
}

void ContestTest::SetUp() {
    at(12, 0);
    server = std::make_unique<TestServer>([this](ServerConfig& c) { adjust(c); });
}

void ContestTest::startSecond() {
    const std::string db = server->app().services().config.dbPath;
    second = std::make_unique<TestServer>([this, db](ServerConfig& c) {
        adjust(c);
        c.dbPath = db;
    });
}

void ContestTest::at(int hour, int minute, int second, int dayOffset) {
    std::tm tm{};
    tm.tm_year = 2026 - 1900;
    tm.tm_mon = 11;
    tm.tm_mday = 9 + dayOffset;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    now = static_cast<std::int64_t>(std::mktime(&tm)) * 1000;
}

ContestPlayer ContestTest::account(int money) {
    const std::string user = "1390000" + std::to_string(1000 + nextUser++);
    const std::string mac = "DEV" + user;
    Json::Value r = object(1);
    r["username"] = user;
    r["pwd"] = kDigest;
    r["mac"] = mac;
    EXPECT_EQ(TestClient::entry(server->entryPort(), r)["response"].asInt(), 1) << user;
    r = object(2);
    r["username"] = user;
    r["pwd"] = kDigest;
    r["mac"] = mac;
    ContestPlayer p{this, mac, TestClient::entry(server->entryPort(), r), {}};
    EXPECT_EQ(p.login["response"].asInt(), 1) << p.login;
    if (money > 0) {
        server->app().services().players.addProgress(p.id(), PlayerProgress{0, money, 0});
    }
    return p;
}

ContestPlayer ContestTest::guest(const std::string& mac) { return ContestPlayer{this, mac, server->loginGuest(mac), {}}; }

void ContestTest::tick() { running().app().contests().tick(now.load()); }

void ContestTest::live(std::int64_t ms, std::initializer_list<ContestPlayer*> beating, std::int64_t step) {
    for (std::int64_t gone = 0; gone < ms; gone += step) {
        now += std::min(step, ms - gone);
        for (ContestPlayer* p : beating) {
            p->beat();
        }
        tick();
    }
}

void ContestTest::pairUp(ContestPlayer& a, ContestPlayer& b, bool bBeats) {
    ASSERT_EQ(a.presence(1, 1)["response"].asInt(), 1);
    ASSERT_EQ(b.presence(1, 1)["response"].asInt(), 1);
    ASSERT_EQ(a.pair(0, 1)["response"].asInt(), 1);
    ASSERT_EQ(b.pair(0, 1)["response"].asInt(), 1);
    a.drain();
    ASSERT_FALSE(a.take(28, 3).isNull()) << "no start for " << a.id();
    if (bBeats) {
        b.drain();
        ASSERT_FALSE(b.take(28, 3).isNull()) << "no start for " << b.id();
    }
}

Json::Value ContestTest::nextQuestion(ContestPlayer& p) {
    p.drain();
    return p.take(29);
}

int ContestTest::playQuestion(ContestPlayer& a, bool aRight, ContestPlayer& b, bool bRight) {
    const auto qa = nextQuestion(a);
    const auto qb = nextQuestion(b);
    EXPECT_FALSE(qa.isNull());
    EXPECT_EQ(qa["qsid"], qb["qsid"]) << "the same question to both";
    const int qsid = qa["qsid"].asInt();
    const auto va = a.answer(qsid, aRight ? rightOf(qsid) : wrongOf(qsid));
    EXPECT_EQ(va["response"].asString(), aRight ? "success" : "fail") << va;
    const auto vb = b.answer(qsid, bRight ? rightOf(qsid) : wrongOf(qsid));
    EXPECT_EQ(vb["response"].asString(), bRight ? "success" : "fail") << vb;
    return qsid;
}

void ContestTest::playOut(ContestPlayer& a, int aRights, ContestPlayer& b, int bRights) {
    for (int i = 0; i < 5; ++i) {
        playQuestion(a, i < aRights, b, i < bRights);
    }
    a.drain();
    b.drain();
}

std::string ContestTest::rightOf(int qsid) {
    quiz::QuizStore bank(running().app().services().storage);
    return bank.find(qsid)->right;
}

std::string ContestTest::wrongOf(int qsid) {
    quiz::QuizStore bank(running().app().services().storage);
    const auto entry = bank.find(qsid);
    for (const auto& option : entry->body["answer"]) {
        if (option.asString() != entry->right) {
            return option.asString();
        }
    }
    return "-1";
}

} // namespace server::test

namespace server::test {
TestServer& ContestTest::running() { return server->running() || !second ? *server : *second; }
} // namespace server::test

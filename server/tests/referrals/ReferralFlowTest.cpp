// Referrals, statistics and the account rules around them against the real server over loopback:
// naming a referrer (once, no cycles, hostile values), the reward at the 50th answer with answers
// racing, the figures of the statistics panel and the referral list on an injected day, the
// guest who registers on its device, and the lock on password changes.
#include "accounts/AccountService.h"
#include "integration/TestClient.h"
#include "integration/TestServer.h"
#include "quiz/BankLoader.h"
#include "referrals/ReferralRules.h"
#include "storage/PlayerStore.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

namespace server::test {
namespace {

namespace fs = std::filesystem;

const std::string kDigest = "E10ADC3949BA59ABBE56E057F20F883E";
const std::string kOtherDigest = "25F9E794323B453885F5181F1B624D0B";
const std::string kBankDir = std::string(BRINDLE_SERVER_SOURCE_DIR) + "/bank/questions";
const std::string kMediaDir =
    (fs::path(BRINDLE_SERVER_BINARY).parent_path().parent_path() / "server-data" / "media").string();

std::atomic<int> g_day{20261209}; // a Wednesday

Json::Value object(int system) {
    Json::Value r(Json::objectValue);
    r["system"] = system;
    return r;
}

// One player's client: its device text and login answer.
struct Player {
    TestServer* server = nullptr;
    std::string mac;
    Json::Value login;

    int id() const { return login["id"].asInt(); }
    Json::Value game(const Json::Value& request) const { return server->game(request, login, mac); }
    Json::Value setReferrer(const Json::Value& referrer) const {
        auto r = object(52);
        r["tuijianrenid"] = referrer;
        return game(r);
    }
    Json::Value page(const Json::Value& page) const {
        auto r = object(50);
        r["page"] = page;
        return game(r);
    }
    Json::Value statistics() const { return game(object(51)); }
    // Asks for the question (command 2) and answers it.
    Json::Value answer(int qsid, const std::string& text) const {
        auto ask = object(2);
        ask["qsid"] = qsid;
        EXPECT_EQ(game(ask)["response"].asInt(), 1);
        auto r = object(3);
        r["qsid"] = qsid;
        r["answer"] = text;
        return game(r);
    }
};

class ReferralFlow : public ::testing::Test {
protected:
    void SetUp() override {
        g_day = 20261209;
        server = std::make_unique<TestServer>([](ServerConfig& c) {
            c.bankDir = kBankDir;
            c.mediaDir = kMediaDir;
            c.quizDay = [] { return g_day.load(); };
        });
        const auto load = quiz::BankLoader::loadFolder(kBankDir, kMediaDir);
        for (const auto& e : load.entries) {
            questions.push_back(e);
        }
        ASSERT_GT(questions.size(), 60u);
        for (const auto& e : questions) {
            // Text choices without a scratch award: "right" is what the screen sends.
            if (e.gameType == 1 && e.playType >= 7 && e.playType <= 11 && e.body["awardnum"].asInt() == 0) {
                choices.push_back(e);
            } else {
                others.push_back(e);
            }
        }
        ASSERT_GE(choices.size(), 10u);
    }

    Json::Value registration(const std::string& user, const std::string& mac, const Json::Value& referrer = {}) {
        Json::Value r = object(1);
        r["username"] = user;
        r["pwd"] = kDigest;
        r["mac"] = mac;
        r["deviceid"] = 3;
        r["platid"] = 0;
        if (!referrer.isNull()) {
            r["tuijianid"] = referrer;
            r["tuijian"] = 1;
        }
        return TestClient::entry(server->entryPort(), r);
    }

    Player account(const std::string& user, const Json::Value& referrer = {}) {
        const std::string mac = "M" + user;
        EXPECT_EQ(registration(user, mac, referrer)["response"].asInt(), 1) << user;
        Json::Value r = object(2);
        r["username"] = user;
        r["pwd"] = kDigest;
        r["mac"] = mac;
        Player p{server.get(), mac, TestClient::entry(server->entryPort(), r)};
        EXPECT_EQ(p.login["response"].asInt(), 1) << p.login;
        return p;
    }

    Player guest(const std::string& mac) { return Player{server.get(), mac, server->loginGuest(mac)}; }

    PlayerRecord record(int id) { return *server->app().services().players.find(id); }

    std::unique_ptr<TestServer> server;
    std::vector<quiz::BankEntry> questions, choices, others;
};

TEST_F(ReferralFlow, AReferrerIsNamedOnceByRegisteredPlayersAndNeverInACircle) {
    const Player a = account("13800000001");
    const Player b = account("13800000002");
    const Player c = account("13800000003");
    const Player d = account("13800000004");
    const Player g = guest("GUESTDEVICE1");

    auto accepted = b.setReferrer(a.id());
    EXPECT_EQ(accepted["response"].asInt(), 1) << accepted;
    EXPECT_EQ(accepted["tuijianrenid"].asInt(), a.id());
    EXPECT_EQ(b.game(object(1))["tuijianrenid"].asInt(), a.id());

    struct Case {
        const char* what;
        const Player* player;
        Json::Value referrer;
        int fail;
        int keeps; // the "tuijianrenid" the refusal reports
    };
    const Case cases[] = {
        {"a second referrer", &b, c.id(), 1, a.id()},
        {"the one who referred me (A->B->A)", &a, b.id(), 4, 0},
        {"oneself", &d, d.id(), 3, 0},
        {"no such player", &d, 999999, 2, 0},
        {"a guest as referrer", &d, g.id(), 2, 0},
        {"a guest naming a referrer", &g, a.id(), 5, 0},
        {"text", &d, "abc", 2, 0},
        {"digits then letters", &d, std::to_string(a.id()) + "x", 2, 0},
        {"negative", &d, -a.id(), 2, 0},
        {"zero", &d, 0, 2, 0},
        {"a fraction", &d, 10001.5, 2, 0},
        {"beyond an int", &d, Json::Value(Json::UInt64(1) << 40), 2, 0},
        {"a huge text", &d, std::string(5000, '9'), 2, 0},
        {"a list", &d, Json::Value(Json::arrayValue), 2, 0},
        {"missing", &d, Json::Value(), 2, 0},
    };
    for (const auto& k : cases) {
        const auto answer = k.player->setReferrer(k.referrer);
        EXPECT_EQ(answer["response"].asInt(), 0) << k.what << ": " << answer;
        EXPECT_EQ(answer["fail"].asInt(), k.fail) << k.what << ": " << answer;
        EXPECT_EQ(answer["tuijianrenid"].asInt(), k.keeps) << k.what;
        EXPECT_FALSE(answer["tip"].asString().empty()) << k.what;
    }
    EXPECT_EQ(record(d.id()).referrerId, 0);
    EXPECT_EQ(record(g.id()).referrerId, 0);

    // A longer circle: C->B->A, then A naming C closes it.
    EXPECT_EQ(c.setReferrer(b.id())["response"].asInt(), 1);
    EXPECT_EQ(a.setReferrer(c.id())["fail"].asInt(), 4);
    // Registration's referrer follows the same rules.
    EXPECT_EQ(registration("13800000005", "NEWDEVICE5", g.id())["fail"].asInt(), 3) << "a guest refers nobody";
    EXPECT_EQ(registration("13800000005", "NEWDEVICE5", "12abc")["fail"].asInt(), 3);
    EXPECT_EQ(registration("13800000005", "NEWDEVICE5", -3)["fail"].asInt(), 3);
    EXPECT_EQ(registration("13800000005", "NEWDEVICE5", a.id())["response"].asInt(), 1);
    EXPECT_EQ(record(server->app().services().players.findByUserName("13800000005")->id).referrerId, a.id());
}

TEST_F(ReferralFlow, RacingRequestsSetOneReferrerAndCloseNoCircle) {
    const Player p = account("13800000010");
    std::vector<Player> referrers;
    for (int i = 0; i < 4; ++i) {
        referrers.push_back(account("1380000002" + std::to_string(i)));
    }
    std::atomic<int> accepted{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < 8; ++i) {
        threads.emplace_back([&, i] {
            if (p.setReferrer(referrers[i % 4].id())["response"].asInt() == 1) {
                ++accepted;
            }
        });
    }
    for (auto& t : threads) {
        t.join();
    }
    EXPECT_EQ(accepted.load(), 1);
    const int chosen = record(p.id()).referrerId;
    EXPECT_NE(chosen, 0);

    // Two players naming each other at the same moment: one of them wins.
    const Player x = account("13800000030");
    const Player y = account("13800000031");
    for (int round = 0; round < 1; ++round) {
        std::atomic<int> both{0};
        std::thread t1([&] { both += x.setReferrer(y.id())["response"].asInt(); });
        std::thread t2([&] { both += y.setReferrer(x.id())["response"].asInt(); });
        t1.join();
        t2.join();
        EXPECT_EQ(both.load(), 1);
        EXPECT_TRUE(record(x.id()).referrerId == 0 || record(y.id()).referrerId == 0);
    }
}

TEST_F(ReferralFlow, TheFiftiethAnswerPaysTheReferrerOnceEvenWhenAnswersRace) {
    using referrals::kRewardAnswers;
    using referrals::kRewardMoney;
    const Player referrer = account("13900000001");
    const Player p = account("13900000002", referrer.id());
    const int moneyBefore = record(referrer.id()).money;
    std::size_t next = 0;
    for (; next < kRewardAnswers - 2; ++next) {
        ASSERT_EQ(p.answer(questions[next].qsid, "-1")["response"].asString(), "fail");
    }
    EXPECT_EQ(record(referrer.id()).money, moneyBefore) << "nothing before the 50th answer";

    // Answers 49 to 52 arrive at once on four connections.
    std::vector<int> racing;
    for (int i = 0; i < 4; ++i) {
        auto ask = object(2);
        ask["qsid"] = questions[next + i].qsid;
        ASSERT_EQ(p.game(ask)["response"].asInt(), 1);
        racing.push_back(questions[next + i].qsid);
    }
    next += 4;
    std::vector<std::thread> threads;
    for (int qsid : racing) {
        threads.emplace_back([&p, qsid] {
            auto r = object(3);
            r["qsid"] = qsid;
            r["answer"] = "-1";
            EXPECT_EQ(p.game(r)["response"].asString(), "fail");
        });
    }
    for (auto& t : threads) {
        t.join();
    }
    EXPECT_EQ(record(p.id()).answerCount, kRewardAnswers + 2);
    EXPECT_EQ(record(referrer.id()).money, moneyBefore + kRewardMoney);
    ASSERT_EQ(p.answer(questions[next].qsid, "-1")["response"].asString(), "fail");
    EXPECT_EQ(record(referrer.id()).money, moneyBefore + kRewardMoney) << "paid once";

    const auto stats = referrer.statistics();
    EXPECT_EQ(stats["response"].asInt(), 1) << stats;
    EXPECT_EQ(stats["tuijianprize"].asInt(), kRewardMoney);
    EXPECT_EQ(stats["todaymoney"].asInt(), kRewardMoney) << "the reward is money earned today";
    EXPECT_EQ(stats["tuijiancount"].asInt(), 1);
    EXPECT_EQ(stats["huoyuecount"].asInt(), 1);
}

TEST_F(ReferralFlow, StatisticsAndTheReferralListFollowTheDayClock) {
    const Player r = account("13700000001");
    const Player p = account("13700000002", r.id());
    const Player idle = account("13700000003", r.id());
    const Player stranger = account("13700000004");
    (void)idle;

    // Online time: gaps between requests of a session count up to two minutes.
    static SessionTable::Clock::time_point now = SessionTable::Clock::now();
    server->app().services().sessions.setClockForTesting([] { return now; });
    for (int step : {0, 20, 40, 400, 420}) {
        now += std::chrono::seconds(step == 0 ? 0 : (step == 400 ? 360 : 20));
        EXPECT_EQ(p.game(object(10))["response"].asInt(), 1);
    }
    server->app().flushOnlineTime();

    // p: 3 right answers and 2 wrong ones today; the stranger outscores everyone this week.
    int rightMoney = 0, rightScore = 0;
    for (int i = 0; i < 3; ++i) {
        const auto verdict = p.answer(choices[i].qsid, choices[i].right);
        ASSERT_EQ(verdict["response"].asString(), "success") << verdict;
        rightMoney += verdict["addmoney"].asInt();
        rightScore += verdict["addscore"].asInt();
    }
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(p.answer(others[i].qsid, "-1")["response"].asString(), "fail");
    }
    for (int i = 3; i < 8; ++i) {
        EXPECT_EQ(stranger.answer(choices[i].qsid, choices[i].right)["response"].asString(), "success");
    }
    EXPECT_GT(record(stranger.id()).score, rightScore);

    auto stats = p.statistics();
    EXPECT_EQ(stats["todayscore"].asInt(), rightScore);
    EXPECT_EQ(stats["todaymoney"].asInt(), rightMoney);
    EXPECT_EQ(stats["allright"].asInt(), 3);
    EXPECT_EQ(stats["allwrong"].asInt(), 2);
    EXPECT_EQ(stats["rank"].asInt(), 2);
    EXPECT_EQ(r.statistics()["rank"].asInt(), 0) << "nothing scored this week";
    EXPECT_GT(stats["regtime"].asInt(), 1700000000);
    EXPECT_EQ(guest("GUESTSTATS").statistics()["regtime"].asInt(), 0);

    auto list = r.page(0);
    ASSERT_EQ(list["response"].asInt(), 1) << list;
    ASSERT_EQ(list["tuijian"].size(), 2u);
    const auto& row = list["tuijian"][0];
    EXPECT_EQ(row["recommenduuid"].asInt(), p.id());
    EXPECT_EQ(row["tel"].asString(), "137****0002") << "never a whole number to another player";
    EXPECT_EQ(row["regdate"].asString().size(), 10u);
    EXPECT_EQ(row["rightcount"].asInt(), 3);
    EXPECT_EQ(row["wrongcount"].asInt(), 2);
    EXPECT_EQ(row["score"].asInt(), rightScore);
    EXPECT_EQ(row["money"].asInt(), record(p.id()).money);
    EXPECT_EQ(row["todaymoney"].asInt(), rightMoney);
    EXPECT_EQ(row["todayanswercount"].asInt(), 5);
    EXPECT_EQ(row["onlinetime"].asInt(), 60) << "20 + 20 + 20; the six-minute silence counts nothing";
    EXPECT_EQ(row["logindays"].asInt(), 1);
    EXPECT_EQ(row["monthlogindays"].asInt(), 1);
    EXPECT_EQ(r.statistics()["huoyuecount"].asInt(), 1);

    // Next Monday: a new week and a new day; a week later p is no longer active.
    g_day = 20261214;
    stats = p.statistics();
    EXPECT_EQ(stats["todayscore"].asInt(), 0);
    EXPECT_EQ(stats["rank"].asInt(), 0);
    EXPECT_EQ(stats["allright"].asInt(), 3);
    EXPECT_EQ(r.statistics()["huoyuecount"].asInt(), 1);
    g_day = 20261216;
    EXPECT_EQ(r.statistics()["huoyuecount"].asInt(), 0);
    // A login on a new month's day counts towards both totals, the month's alone.
    g_day = 20270102;
    Json::Value again = object(2);
    again["username"] = "13700000002";
    again["pwd"] = kDigest;
    again["mac"] = p.mac;
    ASSERT_EQ(TestClient::entry(server->entryPort(), again)["response"].asInt(), 1);
    const auto later = r.page(0)["tuijian"][0];
    EXPECT_EQ(later["logindays"].asInt(), 2);
    EXPECT_EQ(later["monthlogindays"].asInt(), 1);
}

TEST_F(ReferralFlow, TheListPagesByAHundredAndRefusesBadPages) {
    const Player r = account("13600000001");
    auto& players = server->app().services().players;
    for (int i = 0; i < referrals::kPageRows + 1; ++i) {
        const auto made = players.registerAccount("136100" + std::to_string(10000 + i), "hash",
                                                  "DEV" + std::to_string(i), r.id(), 1700000000);
        ASSERT_EQ(made.result, PlayerStore::Registered::Created);
    }
    EXPECT_EQ(r.page(0)["tuijian"].size(), static_cast<unsigned>(referrals::kPageRows));
    const auto second = r.page(1);
    ASSERT_EQ(second["tuijian"].size(), 1u);
    EXPECT_EQ(second["tuijian"][0]["tel"].asString(), "136****0100");
    EXPECT_EQ(second["tuijian"][0]["regdate"].asString(), "2023-11-14");
    for (const Json::Value& past : {Json::Value(2), Json::Value(2147483647), Json::Value("7")}) {
        const auto answer = r.page(past);
        EXPECT_EQ(answer["response"].asInt(), 1) << past;
        EXPECT_EQ(answer["tuijian"].size(), 0u) << past;
    }
    for (const Json::Value& bad : {Json::Value(-1), Json::Value("x"), Json::Value(1.5), Json::Value("1e9"),
                                   Json::Value(Json::Int64(1) << 40), Json::Value(), Json::Value(Json::objectValue)}) {
        const auto answer = r.page(bad);
        EXPECT_EQ(answer["response"].asInt(), 0) << bad;
        EXPECT_EQ(answer["fail"].asInt(), 1) << bad;
        EXPECT_FALSE(answer.isMember("tuijian")) << bad;
    }
    EXPECT_EQ(r.statistics()["tuijiancount"].asInt(), referrals::kPageRows + 1);
}

TEST_F(ReferralFlow, AGuestWhoRegistersOnItsDeviceKeepsItsProgress) {
    const Player g = guest("SHAREDDEVICE");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(g.answer(choices[i].qsid, choices[i].right)["response"].asString(), "success");
    }
    g.answer(others[0].qsid, "-1");
    const PlayerRecord before = record(g.id());
    EXPECT_EQ(before.answerCount, 4);
    EXPECT_GT(before.score, 0);

    ASSERT_EQ(registration("13500000001", "SHAREDDEVICE")["response"].asInt(), 1);
    Json::Value login = object(2);
    login["username"] = "13500000001";
    login["pwd"] = kDigest;
    login["mac"] = "SHAREDDEVICE";
    const Player a{server.get(), "SHAREDDEVICE", TestClient::entry(server->entryPort(), login)};
    ASSERT_EQ(a.id(), g.id()) << "the guest record became the account";
    const auto info = a.game(object(1));
    EXPECT_EQ(info["score"].asInt(), before.score);
    EXPECT_EQ(info["money"].asInt(), before.money);
    EXPECT_EQ(info["answercount"].asInt(), 4);
    EXPECT_EQ(info["tel"].asString(), "13500000001");
    const auto stats = a.statistics();
    EXPECT_EQ(stats["allright"].asInt() + stats["allwrong"].asInt(), 4);
    EXPECT_GT(stats["regtime"].asInt(), 0);

    // The device's next guest login starts afresh.
    const Player fresh = guest("SHAREDDEVICE");
    EXPECT_NE(fresh.id(), g.id());
    EXPECT_EQ(record(fresh.id()).score, 0);
    // A second registration on the device converts that fresh guest, not the account.
    EXPECT_EQ(registration("13500000002", "SHAREDDEVICE", g.id())["response"].asInt(), 1);
    EXPECT_EQ(record(fresh.id()).userName, "13500000002");
    EXPECT_EQ(record(fresh.id()).referrerId, g.id());
    // A guest cannot name itself while becoming an account.
    const Player other = guest("OTHERDEVICE");
    EXPECT_EQ(registration("13500000003", "OTHERDEVICE", other.id())["fail"].asInt(), 3);
    EXPECT_TRUE(record(other.id()).guest);
}

SessionTable::Clock::time_point g_lockNow = SessionTable::Clock::now();
SessionTable::Clock::time_point lockNow() { return g_lockNow; }

TEST_F(ReferralFlow, WrongOldPasswordsLockThePasswordChangeForTheWindow) {
    server->app().accounts().setClockForTesting(&lockNow);
    const Player a = account("13400000001");
    Json::Value change = object(1);
    change["act"] = "changepwd";
    change["oldpwd"] = kOtherDigest;
    change["newpwd"] = kOtherDigest;
    for (int i = 0; i < AccountService::kMaxFailures; ++i) {
        const auto answer = a.game(change);
        EXPECT_EQ(answer["response"].asInt(), 0);
        EXPECT_EQ(answer["fail"].asInt(), 1);
    }
    change["oldpwd"] = kDigest;
    const auto locked = a.game(change);
    EXPECT_EQ(locked["response"].asInt(), 0);
    EXPECT_EQ(locked["fail"].asInt(), 3);
    EXPECT_FALSE(locked["tip"].asString().empty());
    // The same lock holds the login.
    Json::Value login = object(2);
    login["username"] = "13400000001";
    login["pwd"] = kDigest;
    login["mac"] = a.mac;
    EXPECT_EQ(TestClient::entry(server->entryPort(), login)["fail"].asInt(), 3);

    g_lockNow += AccountService::kLockout + std::chrono::seconds(1);
    EXPECT_EQ(a.game(change)["response"].asInt(), 1);
    login["pwd"] = kOtherDigest;
    EXPECT_EQ(TestClient::entry(server->entryPort(), login)["response"].asInt(), 1);
}

} // namespace
} // namespace server::test

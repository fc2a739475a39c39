// The one-to-one hall against the real server: the schedule, entering with the day's count,
// pairing two searchers, the lone searcher's invitation and give-up, the day's counts and costs,
// and guests turned away.
#include "contests/ContestTestSupport.h"

#include <thread>

namespace server::test {
namespace {

using ContestPairing = ContestTest;

TEST_F(ContestPairing, TheScheduleListsFourTypesOnTheServersClock) {
    const auto p = account();
    auto schedule = [&p] {
        Json::Value r(Json::objectValue);
        r["system"] = 26;
        return p.game(r);
    };
    at(21, 0); // a Wednesday evening: the challenge is open, today's team session is over
    auto r = schedule();
    ASSERT_EQ(r["response"].asInt(), 1) << r;
    ASSERT_EQ(r["matchact"].size(), 4u);
    const auto list = r["matchact"];
    for (const auto& e : list) {
        EXPECT_EQ(e["status"].asInt(), 1);
        EXPECT_EQ(e["servertime"].asString(), "20261209210000");
    }
    EXPECT_EQ(list[0]["matchtype"].asInt(), 1);
    EXPECT_EQ(list[0]["pkfreecount"].asInt(), 3);
    EXPECT_EQ(list[0]["pkmaxcount"].asInt(), 10);
    EXPECT_EQ(list[0]["delmoney"].asInt(), 5);
    EXPECT_EQ(list[0]["starttime"].asString(), "20261209000000");
    EXPECT_EQ(list[2]["delmoney"].asInt(), 10);
    EXPECT_EQ(list[2]["pkfreecount"].asInt(), 1);
    EXPECT_EQ(list[2]["pkmaxcount"].asInt(), 5);
    EXPECT_EQ(list[2]["starttime"].asString(), "20261209080000");
    EXPECT_EQ(list[2]["endtime"].asString(), "20261209233000");
    // Teams: tonight's 20:00 session has ended, so Thursday's is next. The exam keeps today's
    // window, 10:00 to 22:00, under today's id.
    EXPECT_EQ(list[1]["starttime"].asString(), "20261210200000");
    EXPECT_EQ(list[3]["starttime"].asString(), "20261209100000");
    EXPECT_EQ(list[3]["endtime"].asString(), "20261209220000");
    EXPECT_EQ(list[3]["matchid"].asInt(), 20261209);
    at(18, 0, 0, 3); // Saturday adds a session at 19:00
    EXPECT_EQ(schedule()["matchact"][1]["starttime"].asString(), "20261212190000");
    at(19, 45, 0, 3);
    EXPECT_EQ(schedule()["matchact"][1]["starttime"].asString(), "20261212200000");
    at(23, 45); // after 23:30 the challenge points at tomorrow morning
    EXPECT_EQ(schedule()["matchact"][2]["starttime"].asString(), "20261210080000");
}

TEST_F(ContestPairing, TwoSearchersArePairedAndEachLearnsTheOther) {
    auto a = account();
    auto b = account();
    auto entered = a.presence(1, 1);
    EXPECT_EQ(entered["response"].asInt(), 1) << entered;
    EXPECT_EQ(entered["act"].asInt(), 1);
    EXPECT_EQ(entered["enablecount"].asInt(), 10);
    EXPECT_EQ(entered["isking"].asInt(), 1) << "the only registered player is the king";
    EXPECT_EQ(b.presence(1, 1)["isking"].asInt(), 0);

    EXPECT_EQ(a.pair(0, 1)["response"].asInt(), 1);
    EXPECT_FALSE(server->app().contests().inContest(a.id())) << "alone, a searcher waits";
    EXPECT_EQ(b.pair(0, 1)["response"].asInt(), 1);
    EXPECT_TRUE(server->app().contests().inContest(a.id()));
    EXPECT_TRUE(server->app().contests().inContest(b.id()));
    a.drain();
    b.drain();
    const auto startA = a.take(28, 3);
    const auto startB = b.take(28, 3);
    ASSERT_FALSE(startA.isNull());
    ASSERT_FALSE(startB.isNull());
    EXPECT_EQ(startA["challenge"].asString(), b.idText());
    EXPECT_EQ(startB["challenge"].asString(), a.idText());
    const std::string bUser = b.record().userName;
    EXPECT_EQ(startA["name"].asString(), bUser.substr(0, 3) + "****" + bUser.substr(7))
        << "no nickname: the masked number stands for it";
    EXPECT_EQ(startA["qscount"].asInt(), 5);
    EXPECT_EQ(startA["matchtype"].asInt(), 1);
    EXPECT_EQ(startA["eqquse"].asInt(), 1);
    EXPECT_TRUE(startA.isMember("level") && startA.isMember("winper") && startA.isMember("headpic"));
    EXPECT_TRUE(startA.isMember("teammatchstatus"));
    EXPECT_FALSE(a.take(29).isNull()) << "the first question follows the start";
    EXPECT_EQ(a.presence(1, 1)["enablecount"].asInt(), 9) << "the contest used one of the day";

    // Back in a hall, a has left the contest; its next search waits alone.
    EXPECT_FALSE(server->app().contests().inContest(b.id()));
    EXPECT_EQ(a.pair(0, 1)["response"].asInt(), 1);
    EXPECT_FALSE(server->app().contests().inContest(a.id()));
}

TEST_F(ContestPairing, ALoneSearcherIsOfferedToAnIdlePlayerThenGivesUpAt35Seconds) {
    auto searcher = account();
    auto idle = account();
    auto other = account();
    ASSERT_EQ(searcher.presence(1, 1)["response"].asInt(), 1);
    ASSERT_EQ(idle.presence(1, 1)["response"].asInt(), 1);
    ASSERT_EQ(searcher.pair(0, 1)["response"].asInt(), 1);
    live(7000, {&searcher, &idle});
    EXPECT_FALSE(idle.holds(28, 0)) << "no invitation before 8 s";
    live(2000, {&searcher, &idle});
    const auto invitation = idle.take(28, 0);
    ASSERT_FALSE(invitation.isNull());
    EXPECT_EQ(invitation["challenge"].asString(), searcher.idText());
    EXPECT_EQ(invitation["matchtype"].asInt(), 1);
    EXPECT_EQ(invitation["eqquse"].asInt(), 1);

    // A refusal answers the invitation; the search goes on until it gives up.
    EXPECT_EQ(idle.pair(2, 1, invitation["challenge"])["response"].asInt(), 1);
    const auto again = idle.pair(2, 1, invitation["challenge"]);
    EXPECT_EQ(again["act"].asInt(), 8) << "answered already: " << again;
    EXPECT_EQ(other.pair(1, 1, invitation["challenge"])["act"].asInt(), 8) << "not offered to this one";
    live(25000, {&searcher, &idle});
    EXPECT_FALSE(searcher.holds(28, 6)) << "still searching at 34 s";
    live(2000, {&searcher, &idle});
    const auto nobody = searcher.take(28, 6);
    ASSERT_FALSE(nobody.isNull());
    EXPECT_EQ(nobody["matchtype"].asInt(), 1);
    EXPECT_FALSE(server->app().contests().inContest(searcher.id()));
    EXPECT_EQ(searcher.presence(1, 1)["enablecount"].asInt(), 10) << "nothing played, nothing counted";
}

// The server's own sweeper, not the test, ends a search nobody answers.
class ContestSweeper : public ContestTest {
protected:
    void SetUp() override {
        sweeper = true;
        ContestTest::SetUp();
    }
};

TEST_F(ContestSweeper, RunsTheTimeOutsWithoutAnyRequest) {
    auto searcher = account();
    searcher.presence(1, 1);
    searcher.pair(0, 1);
    searcher.beat();
    pass(36000);
    searcher.beat(); // still there, heartbeating
    // Within a few of its once-a-second rounds the sweeper gives the search up.
    for (int i = 0; i < 60 && !searcher.holds(28, 6); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        searcher.beat();
    }
    EXPECT_TRUE(searcher.holds(28, 6));
}

TEST_F(ContestPairing, AnAcceptedInvitationStartsTheContestAndAGiveUpWithdrawsIt) {
    auto searcher = account();
    auto idle = account();
    searcher.presence(1, 1);
    idle.presence(1, 1);
    searcher.pair(0, 1);
    live(9000, {&searcher, &idle});
    const auto invitation = idle.take(28, 0);
    ASSERT_FALSE(invitation.isNull());
    // The id arrives as text; the client may echo it as a number too.
    EXPECT_EQ(idle.pair(1, 1, searcher.id())["response"].asInt(), 1);
    idle.drain();
    searcher.drain();
    EXPECT_EQ(idle.take(28, 3)["challenge"].asString(), searcher.idText());
    EXPECT_EQ(searcher.take(28, 3)["challenge"].asString(), idle.idText());
    EXPECT_EQ(idle.pair(1, 1, invitation["challenge"])["act"].asInt(), 8) << "a second accept";

    // Another lone search, given up before the invitation is accepted.
    auto s2 = account();
    auto i2 = account();
    s2.presence(1, 1);
    i2.presence(1, 1);
    s2.pair(0, 1);
    live(9000, {&s2, &i2});
    ASSERT_TRUE(i2.holds(28, 0));
    EXPECT_EQ(s2.presence(3, 1)["response"].asInt(), 1);
    EXPECT_EQ(i2.pair(1, 1, s2.idText())["act"].asInt(), 8);
    EXPECT_FALSE(server->app().contests().inContest(i2.id()));
}

TEST_F(ContestPairing, PaidContestsChargeOnceAndTheDaysCountRunsOut) {
    auto a = account(12); // two paid contests' worth and a bit
    auto b = account(1000);
    for (int i = 0; i < 3; ++i) {
        pairUp(a, b);
        EXPECT_EQ(a.presence(4, 1)["response"].asInt(), 1) << "leaving ends the contest";
        EXPECT_FALSE(server->app().contests().inContest(a.id()));
        EXPECT_FALSE(server->app().contests().inContest(b.id()));
    }
    // The three free ones cost nothing (the leaver won nothing either).
    EXPECT_EQ(a.record().money, 12);
    const int bMoney = b.record().money;
    pairUp(a, b);
    EXPECT_EQ(a.record().money, 7) << "the fourth costs 5, once";
    EXPECT_EQ(b.record().money, bMoney - 5);
    a.presence(4, 1);
    pairUp(a, b);
    EXPECT_EQ(a.record().money, 2);
    a.presence(4, 1);
    a.presence(1, 1);
    auto shortOfMoney = a.pair(0, 1);
    EXPECT_EQ(shortOfMoney["response"].asInt(), 0);
    EXPECT_EQ(shortOfMoney["act"].asInt(), 5);
    EXPECT_FALSE(shortOfMoney["tip"].asString().empty());
    EXPECT_EQ(a.record().money, 2);
    EXPECT_EQ(a.presence(1, 1)["enablecount"].asInt(), 5);

    // b plays on with others until the day's ten are used.
    for (int played = 5; played < 10; ++played) {
        auto c = account();
        pairUp(b, c);
        c.presence(4, 1);
    }
    EXPECT_EQ(b.presence(1, 1)["enablecount"].asInt(), 0);
    auto none = b.pair(0, 1);
    EXPECT_EQ(none["act"].asInt(), 7) << none;
    // A new day brings a new count.
    at(9, 0, 0, 1);
    EXPECT_EQ(b.presence(1, 1)["enablecount"].asInt(), 10);
}

TEST_F(ContestPairing, GuestsAndNonsenseAreTurnedAway) {
    const auto g = guest("GUESTDEV1");
    for (const auto& r : {g.presence(1, 1), g.pair(0, 1), g.pair(0, 3)}) {
        EXPECT_EQ(r["response"].asInt(), 0) << r;
        EXPECT_FALSE(r["tip"].asString().empty());
    }
    auto p = account();
    struct Case {
        const char* what;
        Json::Value answer;
        int act;
    };
    const Case cases[] = {
        {"presence act 9", p.presence(9, 1), -1},
        {"match type 7", p.presence(1, 7), -1},
        {"pairing act 5", p.pair(5, 1), -1},
        {"teams have no pairing yet", p.pair(0, 2), 4},
        {"accepting nobody's challenge", p.pair(1, 1, "99999"), 8},
        {"accepting one's own challenge", p.pair(1, 3, p.idText()), 8},
        {"a challenger that is no number", p.pair(1, 3, "10001x"), 8},
        {"a challenger that is a list", p.pair(2, 3, Json::Value(Json::arrayValue)), 8},
        {"leaving a contest while in none", p.presence(4, 1), -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.answer["response"].asInt(), 0) << c.what << ": " << c.answer;
        if (c.act >= 0) {
            EXPECT_EQ(c.answer["act"].asInt(), c.act) << c.what;
        }
    }
    const auto teams = p.presence(1, 2);
    EXPECT_EQ(teams["response"].asInt(), 1) << "teams are listed and may be entered";
    EXPECT_EQ(teams["enablecount"].asInt(), 1);
}

} // namespace
} // namespace server::test

// A one-to-one contest played through over loopback: the questions and verdicts as each side
// sees them, each player's own 40 seconds, the 30 seconds a silent player keeps the place,
// leaving, racing final answers, and answers that do not belong.
#include "accounts/MaskedTel.h"
#include "contests/ContestMessages.h"
#include "contests/ContestTestSupport.h"

#include <set>
#include <thread>

namespace server::test {
namespace {

using ContestPlay = ContestTest;

// No member of a message gives the key away, except as one option among the question's own.
void expectNoKey(const Json::Value& message, const std::string& key, const std::string& what) {
    EXPECT_FALSE(message.isMember("right")) << what << ": " << message;
    EXPECT_FALSE(message.isMember("explain")) << what;
    for (const auto& name : message.getMemberNames()) {
        if (name != "answer" || message["system"].asInt() != 29) {
            EXPECT_NE(message[name].isString() ? message[name].asString() : "", key) << what << " in \"" << name << "\"";
        }
    }
}

TEST_F(ContestPlay, AWholeContestAsBothSidesSeeItPaysOnce) {
    auto a = account();
    auto b = account();
    pairUp(a, b);
    const auto before = a.record();
    const auto beforeB = b.record();
    for (int i = 0; i < 5; ++i) {
        const auto qa = nextQuestion(a);
        const auto qb = nextQuestion(b);
        ASSERT_FALSE(qa.isNull()) << "question " << i;
        const int qsid = qa["qsid"].asInt();
        const std::string key = rightOf(qsid);
        EXPECT_EQ(qb["qsid"].asInt(), qsid);
        EXPECT_EQ(qa["flag"].asInt(), 1);
        EXPECT_EQ(qa["gametype"].asInt(), 1);
        EXPECT_FALSE(qa["question"].asString().empty());
        EXPECT_GE(qa["answer"].size(), 2u);
        expectNoKey(qa, key, "push 29");

        pass(3000);
        const auto va = a.answer(qsid, key);
        EXPECT_EQ(va["response"].asString(), "success") << va;
        EXPECT_EQ(va["answer"].asString(), key) << "the player's own text";
        EXPECT_EQ(va["addscore"].asInt(), 10);
        EXPECT_EQ(va["qsid"].asInt(), qsid);
        EXPECT_EQ(va["score"].asInt(), before.score) << "the stored total: paid with the result";
        a.drain();
        EXPECT_FALSE(a.take(32, 2).isNull()) << "a answered first";
        EXPECT_FALSE(a.holds(31)) << "b's verdict waits for b's answer";

        pass(2000);
        const std::string wrong = wrongOf(qsid);
        const auto vb = b.answer(qsid, wrong);
        EXPECT_EQ(vb["response"].asString(), "fail") << vb;
        EXPECT_EQ(vb["answer"].asString(), wrong) << "never the key";
        EXPECT_EQ(vb["addscore"].asInt(), 0);
        b.drain();
        EXPECT_FALSE(b.holds(32, 2)) << "b answered second";
        const auto toB = b.take(31);
        EXPECT_EQ(toB["bright"].asInt(), 1);
        EXPECT_EQ(toB["answer"].asString(), key);
        a.drain();
        const auto toA = a.take(31);
        EXPECT_EQ(toA["bright"].asInt(), 0);
        EXPECT_EQ(toA["answer"].asString(), wrong);
    }
    const auto resultA = a.take(32, 1);
    const auto resultB = b.take(32, 1);
    ASSERT_FALSE(resultA.isNull());
    EXPECT_EQ(resultA, resultB) << "the same message to both (but for the team status)";
    EXPECT_EQ(resultA["challenge"].asString(), a.idText());
    EXPECT_EQ(resultA["challenge2"].asString(), b.idText());
    EXPECT_EQ(resultA["right"].asInt(), 5);
    EXPECT_EQ(resultA["err"].asInt(), 0);
    EXPECT_EQ(resultA["right2"].asInt(), 0);
    EXPECT_EQ(resultA["err2"].asInt(), 5);
    EXPECT_DOUBLE_EQ(resultA["time"].asDouble(), 15.0);
    EXPECT_DOUBLE_EQ(resultA["time2"].asDouble(), 25.0);
    EXPECT_EQ(resultA["core"].asInt(), 50);
    EXPECT_EQ(resultA["core2"].asInt(), 0);
    EXPECT_EQ(resultA["money"].asInt(), 10);
    EXPECT_EQ(resultA["money2"].asInt(), 0);
    EXPECT_EQ(resultA["iswin"].asInt(), 1);
    EXPECT_EQ(resultA["iswin2"].asInt(), 0);
    EXPECT_EQ(resultA["flee"].asInt(), 0);
    EXPECT_EQ(a.record().score, before.score + 50);
    EXPECT_EQ(a.record().money, before.money + 10);
    EXPECT_EQ(b.record().score, beforeB.score);
    EXPECT_EQ(b.record().money, beforeB.money);
    EXPECT_FALSE(server->app().contests().inContest(a.id()));
    EXPECT_FALSE(server->app().contests().inContest(b.id()));
    EXPECT_EQ(server->app().contests().runningContests(), 0u);

    // Nothing more comes, and a late answer is refused with the real totals.
    const auto late = a.answer(resultA["qsid"], "x");
    EXPECT_EQ(late["response"].asString(), "nostart");
    EXPECT_EQ(late["money"].asInt(), before.money + 10);
    EXPECT_EQ(a.beat()["system"].asInt(), 10);

    // The next start shows each side the other's share of contests won.
    ASSERT_EQ(b.pair(0, 1)["response"].asInt(), 1);
    ASSERT_EQ(a.pair(0, 1)["response"].asInt(), 1);
    a.drain();
    b.drain();
    EXPECT_EQ(b.take(28, 3)["winper"].asInt(), 100);
    EXPECT_EQ(a.take(28, 3)["winper"].asInt(), 0);
}

TEST_F(ContestPlay, SearchersRacingOnTwoThreadsEndUpInOneContestEach) {
    std::vector<ContestPlayer> players;
    for (int i = 0; i < 8; ++i) {
        players.push_back(account());
        players.back().presence(1, 1);
    }
    std::vector<std::thread> threads;
    for (int t = 0; t < 2; ++t) {
        threads.emplace_back([&, t] {
            for (int i = t; i < 8; i += 2) {
                EXPECT_EQ(players[i].pair(0, 1)["response"].asInt(), 1);
            }
        });
    }
    for (auto& t : threads) {
        t.join();
    }
    EXPECT_EQ(server->app().contests().runningContests(), 4u);
    std::set<std::string> opponents;
    for (auto& p : players) {
        EXPECT_TRUE(server->app().contests().inContest(p.id()));
        p.drain();
        const auto start = p.take(28, 3);
        ASSERT_FALSE(start.isNull());
        EXPECT_FALSE(p.holds(28, 3)) << "one contest each";
        EXPECT_NE(start["challenge"].asString(), p.idText());
        opponents.insert(start["challenge"].asString());
    }
    EXPECT_EQ(opponents.size(), 8u) << "everybody is somebody's opponent once";
}

TEST_F(ContestPlay, EachPlayersFortySecondsStartWhenTheirHeartbeatFetchesTheQuestion) {
    auto a = account();
    auto b = account();
    pairUp(a, b, false); // a fetched the first question with the start
    auto qa = a.take(29);
    ASSERT_FALSE(qa.isNull());
    // b's heartbeats stall for 20 s; a keeps beating.
    live(20000, {&a});
    EXPECT_FALSE(b.holds(29));
    const auto qb = nextQuestion(b);
    ASSERT_EQ(qb["qsid"], qa["qsid"]);
    const int qsid = qa["qsid"].asInt();
    // 43 s after a's fetch (23 s after b's): a's time and grace ran out, b has 17 s left.
    live(23000, {&a, &b});
    EXPECT_TRUE(a.answer(qsid, rightOf(qsid))["response"].asString() == "nostart") << "a timed out";
    const auto vb = b.answer(qsid, rightOf(qsid));
    EXPECT_EQ(vb["response"].asString(), "success") << vb;
    a.drain();
    const auto toA = a.take(31);
    EXPECT_EQ(toA["bright"].asInt(), 1) << "a's time-out ended a's turn, so a may see b's verdict";
    b.drain();
    const auto toB = b.take(31);
    EXPECT_EQ(toB["answer"].asString(), "-1");
    EXPECT_EQ(toB["bright"].asInt(), 0);

    // The second question: b answers 41.5 s after fetching it (within the grace), then a answers
    // 43 s after fetching (beyond it): b's counts, a's counts as a time-out.
    const auto q2 = nextQuestion(a);
    ASSERT_FALSE(q2.isNull());
    const int qsid2 = q2["qsid"].asInt();
    ASSERT_EQ(nextQuestion(b)["qsid"].asInt(), qsid2);
    pass(41500);
    a.beat();
    b.beat();
    EXPECT_EQ(b.answer(qsid2, rightOf(qsid2))["response"].asString(), "success");
    pass(1500);
    const auto lateA = a.answer(qsid2, rightOf(qsid2));
    EXPECT_EQ(lateA["response"].asString(), "fail") << lateA;
    EXPECT_EQ(lateA["answer"].asString(), "-1");
    EXPECT_TRUE(server->app().contests().inContest(a.id()));
}

TEST_F(ContestPlay, ASilentPlayerKeepsThePlaceThirtySecondsThenLosesIt) {
    auto a = account();
    auto b = account();
    pairUp(a, b);
    const int qsid = a.take(29)["qsid"].asInt();
    ASSERT_GT(qsid, 0);
    // a's connection drops for 25 s; b answers meanwhile.
    live(5000, {&b});
    const auto first = nextQuestion(b);
    ASSERT_EQ(first["qsid"].asInt(), qsid);
    ASSERT_EQ(b.answer(qsid, rightOf(qsid))["response"].asString(), "success");
    live(20000, {&b});
    EXPECT_TRUE(server->app().contests().inContest(a.id()));
    // Back: the pushes waited and a still has the question's full time.
    a.drain();
    EXPECT_TRUE(a.holds(32, 2) == false);
    pass(2000);
    EXPECT_EQ(a.answer(qsid, rightOf(qsid))["response"].asString(), "success");

    // Then a goes quiet for good: past 30 s the questions left count as time-outs.
    a.drain();
    b.drain();
    live(29000, {&b});
    EXPECT_TRUE(server->app().contests().inContest(a.id())) << "29 s: still there";
    for (int i = 1; i < 5; ++i) {
        live(i == 1 ? 2000 : 1000, {&b});
        const auto q = nextQuestion(b);
        ASSERT_FALSE(q.isNull()) << "question " << i;
        const int id = q["qsid"].asInt();
        EXPECT_EQ(b.answer(id, rightOf(id))["response"].asString(), "success");
    }
    b.drain();
    const auto result = b.take(32, 1);
    ASSERT_FALSE(result.isNull());
    EXPECT_EQ(result["right"].asInt(), 1) << result;
    EXPECT_EQ(result["err"].asInt(), 4) << "a's last four were time-outs";
    EXPECT_EQ(result["right2"].asInt(), 5);
    EXPECT_EQ(result["iswin2"].asInt(), 1);
    EXPECT_EQ(result["flee"].asInt(), 0);
    EXPECT_FALSE(server->app().contests().inContest(a.id()));
    // When a comes back, the result is waiting; the missed questions are marked unanswerable.
    a.drain();
    EXPECT_FALSE(a.take(32, 1).isNull());
    EXPECT_EQ(a.take(29)["flag"].asInt(), 1) << "pushed while a was still counted in";
    const auto missed = a.take(29);
    ASSERT_FALSE(missed.isNull());
    EXPECT_EQ(missed["flag"].asInt(), 0) << "pushed after a lost the place";
    EXPECT_EQ(a.answer(missed["qsid"], "x")["response"].asString(), "nostart");
}

TEST_F(ContestPlay, LeavingARunningContestLosesItAndReleasesBoth) {
    auto a = account();
    auto b = account();
    pairUp(a, b);
    playQuestion(a, true, b, true);
    const auto before = b.record();
    const auto left = b.presence(4, 1);
    EXPECT_EQ(left["response"].asInt(), 1);
    EXPECT_EQ(left["act"].asInt(), 4);
    a.drain();
    const auto result = a.take(32, 1);
    ASSERT_FALSE(result.isNull());
    EXPECT_EQ(result["flee"].asInt(), 1);
    EXPECT_EQ(result["iswin"].asInt(), 1) << "the one who stayed";
    EXPECT_EQ(result["money"].asInt(), 10);
    EXPECT_EQ(result["iswin2"].asInt(), 0);
    EXPECT_EQ(result["money2"].asInt(), 0);
    EXPECT_EQ(b.record().money, before.money);
    EXPECT_FALSE(server->app().contests().inContest(a.id()));
    EXPECT_FALSE(server->app().contests().inContest(b.id()));
    EXPECT_EQ(b.presence(4, 1)["response"].asInt(), 0) << "nothing left to leave";
    // Both can play again at once.
    pairUp(a, b);
}

TEST_F(ContestPlay, BackInAHallWhileSeatedCountsAsLeavingAndTheRequestGoesOn) {
    auto a = account();
    auto b = account();
    pairUp(a, b);
    playQuestion(a, true, b, true);
    // a's game starts anew and enters the hall; its new session's heartbeats keep the old
    // contest's clock happy, so only the hall tells that a left.
    const auto beforeA = a.record();
    const auto beforeB = b.record();
    a.restart();
    a.beat();
    const auto entered = a.presence(1, 1);
    EXPECT_EQ(entered["response"].asInt(), 1) << entered;
    EXPECT_EQ(entered["act"].asInt(), 1);
    EXPECT_TRUE(entered.isMember("enablecount"));
    EXPECT_FALSE(server->app().contests().inContest(a.id()));
    EXPECT_FALSE(server->app().contests().inContest(b.id()));
    b.drain();
    const auto result = b.take(32, 1);
    ASSERT_FALSE(result.isNull());
    EXPECT_EQ(result["flee"].asInt(), 1);
    EXPECT_EQ(result["challenge"].asString(), a.idText());
    EXPECT_EQ(result["iswin"].asInt(), 0) << "the one who left";
    EXPECT_EQ(result["iswin2"].asInt(), 1);
    EXPECT_EQ(result["money2"].asInt(), 10);
    EXPECT_EQ(b.record().money, beforeB.money + 10);
    EXPECT_EQ(b.record().score, beforeB.score + result["core2"].asInt());
    EXPECT_EQ(a.record().money, beforeA.money);
    // Entering again, or the left contest's last answer, pays nothing more.
    EXPECT_EQ(a.presence(1, 1)["response"].asInt(), 1);
    EXPECT_EQ(b.answer(result["qsid"], "x")["response"].asString(), "nostart");
    EXPECT_EQ(b.record().money, beforeB.money + 10);

    // Asking for an opponent while seated (with c now): a leaves that contest, and the search
    // it asked for goes on at once, paired with b who searches already.
    auto c = account();
    pairUp(a, c);
    ASSERT_EQ(b.pair(0, 1)["response"].asInt(), 1);
    EXPECT_FALSE(server->app().contests().inContest(b.id())) << "b searches alone";
    const auto beforeC = c.record();
    a.restart();
    const auto asked = a.pair(0, 1);
    EXPECT_EQ(asked["response"].asInt(), 1) << asked;
    EXPECT_EQ(asked["act"].asInt(), 0);
    c.drain();
    const auto left = c.take(32, 1);
    ASSERT_FALSE(left.isNull());
    EXPECT_EQ(left["flee"].asInt(), 1);
    EXPECT_EQ(left["iswin2"].asInt(), 1) << "c stayed";
    EXPECT_EQ(c.record().money, beforeC.money + 10);
    EXPECT_TRUE(server->app().contests().inContest(a.id()));
    EXPECT_TRUE(server->app().contests().inContest(b.id()));
    a.drain();
    b.drain();
    EXPECT_EQ(a.take(28, 3)["challenge"].asString(), b.idText());
    EXPECT_EQ(b.take(28, 3)["challenge"].asString(), a.idText());
    EXPECT_EQ(server->app().contests().runningContests(), 1u);
}

// Every string anywhere in a message, members of nested objects and lists included.
void strings(const Json::Value& v, std::vector<std::string>& out) {
    if (v.isString()) {
        out.push_back(v.asString());
    }
    if (v.isObject() || v.isArray()) {
        for (const auto& member : v) {
            strings(member, out);
        }
    }
}

TEST_F(ContestPlay, PlayersAreNamedByNicknameElseTheMaskedNumberNeverTheWholeOne) {
    auto a = account();
    auto b = account();
    Json::Value change(Json::objectValue);
    change["system"] = 1;
    change["act"] = "change";
    change["nickname"] = "阿明";
    change["sex"] = 1;
    ASSERT_EQ(a.game(change)["response"].asInt(), 1);
    const std::string aUser = a.record().userName;
    const std::string bUser = b.record().userName;
    ASSERT_EQ(bUser.size(), 11u);
    const std::string bShown = bUser.substr(0, 3) + "****" + bUser.substr(7);

    // b offered to a idling in the hall, the start, the questions, the verdicts, the result.
    ASSERT_EQ(a.presence(1, 1)["response"].asInt(), 1);
    ASSERT_EQ(b.presence(1, 1)["response"].asInt(), 1);
    ASSERT_EQ(b.pair(0, 1)["response"].asInt(), 1);
    live(9000, {&a, &b});
    const auto offer = a.take(28, 0);
    ASSERT_FALSE(offer.isNull());
    EXPECT_EQ(offer["name"].asString(), bShown);
    ASSERT_EQ(a.pair(1, 1, offer["challenge"])["response"].asInt(), 1);
    a.drain();
    b.drain();
    std::vector<Json::Value> toA{offer, a.take(28, 3)};
    std::vector<Json::Value> toB{b.take(28, 3)};
    EXPECT_EQ(toA.back()["name"].asString(), bShown);
    EXPECT_EQ(toB.back()["name"].asString(), "阿明");
    for (int i = 0; i < 5; ++i) {
        playQuestion(a, i < 2, b, i < 3);
        a.drain();
        b.drain();
        for (const auto& [p, seen] : {std::pair{&a, &toA}, std::pair{&b, &toB}}) {
            seen->insert(seen->end(), p->inbox.begin(), p->inbox.end());
            std::erase_if(p->inbox, [](const Json::Value& m) { return m["system"].asInt() != 29; });
        }
    }
    const auto result = toA.back();
    ASSERT_EQ(result["system"].asInt(), 32);
    EXPECT_EQ(result["name"].asString(), bShown) << "a accepted: b's search is the first side";
    EXPECT_EQ(result["name2"].asString(), "阿明");
    EXPECT_EQ(toB.back(), result);
    // Neither whole number reaches the other side, in any member.
    for (const auto& [messages, foreign] : {std::pair{&toA, bUser}, std::pair{&toB, aUser}}) {
        for (const auto& m : *messages) {
            std::vector<std::string> texts;
            strings(m, texts);
            for (const auto& t : texts) {
                EXPECT_EQ(t.find(foreign), std::string::npos) << m;
            }
        }
    }

    // The masking (as the referral list shows numbers) and the last resort, the id.
    const std::pair<const char*, const char*> tels[] = {
        {"13812345678", "138****5678"}, {"1381234567890", "138****567890"}, {"12345", "123****"},
        {"123", "123"},                 {"", ""},                           {"电话号码一二三四五", "电话号****四五"},
    };
    for (const auto& [tel, shown] : tels) {
        EXPECT_EQ(maskedTel(tel), shown) << tel;
    }
    PlayerRecord nobody;
    nobody.id = 10042;
    nobody.guest = true;
    nobody.userName = "13800000000";
    EXPECT_EQ(contests::ContestMessages::nameOf(nobody), "10042");
}

TEST_F(ContestPlay, RacingFinalAnswersPayTheResultOnce) {
    for (int round = 0; round < 4; ++round) {
        auto a = account();
        auto b = account();
        pairUp(a, b);
        for (int i = 0; i < 4; ++i) {
            playQuestion(a, true, b, false);
        }
        const int qsid = nextQuestion(a)["qsid"].asInt();
        ASSERT_EQ(nextQuestion(b)["qsid"].asInt(), qsid);
        const auto beforeA = a.record();
        const auto beforeB = b.record();
        // Each answers the last question from two connections at once.
        std::atomic<int> verdicts{0}, refusals{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([&, t] {
                const auto& who = t % 2 == 0 ? a : b;
                const auto r = who.answer(qsid, rightOf(qsid));
                (r["response"].asString() == "nostart" ? refusals : verdicts)++;
            });
        }
        for (auto& t : threads) {
            t.join();
        }
        EXPECT_EQ(verdicts.load(), 2);
        EXPECT_EQ(refusals.load(), 2);
        a.drain();
        b.drain();
        const auto result = a.take(32, 1);
        ASSERT_FALSE(result.isNull());
        EXPECT_FALSE(a.holds(32, 1)) << "one result";
        EXPECT_EQ(result["right"].asInt(), 5);
        EXPECT_EQ(a.record().score, beforeA.score + result["core"].asInt());
        EXPECT_EQ(a.record().money, beforeA.money + result["money"].asInt());
        EXPECT_EQ(b.record().score, beforeB.score + result["core2"].asInt());
        EXPECT_EQ(b.record().money, beforeB.money + result["money2"].asInt());
        EXPECT_FALSE(server->app().contests().inContest(a.id()));
        EXPECT_FALSE(server->app().contests().inContest(b.id()));
    }
}

TEST_F(ContestPlay, AnswersThatDoNotBelongAreRefusedWithTheTotals) {
    auto a = account();
    auto b = account();
    auto outsider = account(77);
    const auto notInOne = a.answer(1, "x");
    EXPECT_EQ(notInOne["response"].asString(), "nostart");
    EXPECT_FALSE(notInOne["tip"].asString().empty());
    EXPECT_EQ(notInOne["money"].asInt(), 100);
    pairUp(a, b, false);
    const int qsid = a.take(29)["qsid"].asInt();
    struct Case {
        const char* what;
        Json::Value answer;
    };
    std::string huge(2000, 'x');
    const Case cases[] = {
        {"an outsider answering their question", outsider.answer(qsid, rightOf(qsid))},
        {"another question", a.answer(qsid + 1, "x")},
        {"a qsid that is an object", a.answer(Json::Value(Json::objectValue), "x")},
        {"a qsid that is text", a.answer("abc", "x")},
        {"an answer that is a list", a.answer(qsid, Json::Value(Json::arrayValue))},
        {"an answer of 2000 bytes", a.answer(qsid, huge)},
        {"before b's heartbeat fetched it", b.answer(qsid, rightOf(qsid))},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.answer["response"].asString(), "nostart") << c.what << ": " << c.answer;
        EXPECT_TRUE(c.answer.isMember("score") && c.answer.isMember("levelupscore")) << c.what;
    }
    EXPECT_EQ(cases[0].answer["money"].asInt(), 77) << "the outsider's own totals";
    // The qsid as text is fine; a second answer is not.
    EXPECT_EQ(a.answer(std::to_string(qsid), rightOf(qsid))["response"].asString(), "success");
    EXPECT_EQ(a.answer(qsid, rightOf(qsid))["response"].asString(), "nostart");
    EXPECT_TRUE(server->app().contests().inContest(a.id()));
    // A question push fetched by an outsider's heartbeat changes nothing: it never reaches one.
    EXPECT_EQ(outsider.beat()["system"].asInt(), 10);
}

} // namespace
} // namespace server::test

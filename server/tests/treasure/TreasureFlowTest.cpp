// Command 17 against the real server on a contest clock the test sets: the day's treasure kept
// until dug, paid once (racing digs too), a new one after midnight, cards and counters growing
// with every dig, and the exchange of a full set.
#include "achievements/AchievementCounters.h"
#include "achievements/ProgressTestSupport.h"
#include "treasure/TreasureOdds.h"

#include <array>
#include <thread>
#include <vector>

namespace server::test {
namespace {

using achievements::Counter;
using TreasureFlow = ProgressTest;

Json::Value act(const ProgressPlayer& p, int act) {
    auto r = command(17);
    r["act"] = act;
    return p.game(r);
}

std::array<int, 12> cardsOf(const ProgressPlayer& p) {
    const auto list = act(p, 3);
    EXPECT_EQ(list["response"].asInt(), 1) << list;
    EXPECT_EQ(list["caidanlist"].size(), 12u);
    std::array<int, 12> cards{};
    for (Json::ArrayIndex i = 0; i < 12 && i < list["caidanlist"].size(); ++i) {
        cards[i] = list["caidanlist"][i].asInt();
    }
    return cards;
}

// Checks a dig's payment against the offer it dug and the totals before it.
void expectPaid(const Json::Value& offer, const Json::Value& dug, const PlayerRecord& before, const ProgressPlayer& p) {
    ASSERT_EQ(dug["response"].asInt(), 1) << dug;
    EXPECT_EQ(dug["index"], offer["index"]);
    EXPECT_EQ(dug["value"], offer["value"]);
    const int kind = offer["index"].asInt();
    const int value = offer["value"].asInt();
    const auto after = p.record();
    EXPECT_EQ(after.score, before.score + (kind == treasure::kScoreCarrot ? value : 0));
    EXPECT_EQ(after.money, before.money + (kind == treasure::kGoldCarrot ? value : 0));
    EXPECT_EQ(dug["score"].asInt(), after.score);
    EXPECT_EQ(dug["money"].asInt(), after.money);
}

TEST_F(TreasureFlow, TheDaysTreasureIsKeptDugOnceThenShowsNothing) {
    const auto p = guest("TREASURE0001");
    const auto offer = act(p, 1);
    ASSERT_EQ(offer["response"].asInt(), 1) << offer;
    EXPECT_GE(offer["index"].asInt(), 1);
    EXPECT_LE(offer["index"].asInt(), 14);
    EXPECT_GE(offer["value"].asInt(), 1);
    EXPECT_EQ(act(p, 1), offer) << "asking again shows the same";

    const auto before = p.record();
    expectPaid(offer, act(p, 2), before, p);
    const auto paid = p.record();

    const auto after = act(p, 1);
    EXPECT_EQ(after["response"].asInt(), 1);
    EXPECT_EQ(after["index"].asInt(), 0);
    EXPECT_EQ(after["value"].asInt(), 0);
    const auto second = act(p, 2);
    EXPECT_EQ(second["response"].asInt(), 0);
    EXPECT_EQ(second["fail"].asInt(), 1);
    EXPECT_EQ(p.record().score, paid.score);
    EXPECT_EQ(p.record().money, paid.money);
    EXPECT_EQ(server->app().services().counters.value(p.id(), Counter::Treasures), 1);
}

TEST_F(TreasureFlow, MidnightBringsANewTreasure) {
    const auto p = guest("TREASURE0002");
    at(2026, 12, 9, 23, 59, 50);
    ASSERT_EQ(act(p, 2)["response"].asInt(), 1) << "a dig without asking first digs the day's one";
    EXPECT_EQ(act(p, 1)["index"].asInt(), 0);

    at(2026, 12, 9, 23, 59, 59);
    EXPECT_EQ(act(p, 1)["index"].asInt(), 0) << "still the same day";

    at(2026, 12, 10, 0, 0, 1);
    const auto offer = act(p, 1);
    EXPECT_GE(offer["index"].asInt(), 1) << offer;
    const auto before = p.record();
    expectPaid(offer, act(p, 2), before, p);
    EXPECT_EQ(act(p, 2)["fail"].asInt(), 1);
    EXPECT_EQ(server->app().services().counters.value(p.id(), Counter::Treasures), 2);
}

TEST_F(TreasureFlow, RacingDigsOnSeparateConnectionsPayOnce) {
    for (int round = 0; round < 3; ++round) {
        at(2026, 12, 11 + round, 9, 0);
        const auto p = guest("TREASURERACE" + std::to_string(round));
        const auto offer = act(p, 1);
        const auto before = p.record();
        const auto cardsBefore = cardsOf(p);
        std::vector<std::thread> racers;
        std::vector<Json::Value> answers(4);
        for (std::size_t i = 0; i < answers.size(); ++i) {
            racers.emplace_back([&, i] { answers[i] = act(p, 2); });
        }
        for (auto& t : racers) {
            t.join();
        }
        int paid = 0;
        for (const auto& a : answers) {
            if (a["response"].asInt() == 1) {
                ++paid;
                expectPaid(offer, a, before, p);
            } else {
                EXPECT_EQ(a["fail"].asInt(), 1) << a;
            }
        }
        EXPECT_EQ(paid, 1);
        const int kind = offer["index"].asInt();
        int cardsGained = 0;
        const auto cardsAfter = cardsOf(p);
        for (int k = 0; k < 12; ++k) {
            cardsGained += cardsAfter[static_cast<std::size_t>(k)] - cardsBefore[static_cast<std::size_t>(k)];
        }
        EXPECT_EQ(cardsGained, kind <= 12 ? offer["value"].asInt() : 0);
    }
}

TEST_F(TreasureFlow, EveryDigCountsAndItsCardsGoToTheCollection) {
    const auto p = guest("TREASURE0003");
    std::array<int, 12> expected{};
    int cards = 0;
    for (int day = 1; day <= 25; ++day) {
        at(2027, 1, day, 10, 0);
        const auto dug = act(p, 2);
        ASSERT_EQ(dug["response"].asInt(), 1) << dug;
        const int kind = dug["index"].asInt();
        if (kind >= 1 && kind <= 12) {
            expected[static_cast<std::size_t>(kind - 1)] += dug["value"].asInt();
            cards += dug["value"].asInt();
        }
    }
    EXPECT_EQ(cardsOf(p), expected);
    auto& counters = server->app().services().counters;
    EXPECT_EQ(counters.value(p.id(), Counter::Treasures), 25);
    EXPECT_EQ(counters.value(p.id(), Counter::Cards), cards);
}

TEST_F(TreasureFlow, OnlyAFullSetIsExchangedForThirtyGoldenCarrots) {
    const auto p = guest("TREASURE0004");
    auto give = [&](int kind, int count) {
        auto q = server->app().services().storage.query(
            "INSERT INTO zodiac_cards (player, kind, count) VALUES (?1, ?2, ?3) "
            "ON CONFLICT (player, kind) DO UPDATE SET count = excluded.count");
        q->bindAll(p.id(), kind, count).run();
    };
    for (int kind = 1; kind <= 11; ++kind) {
        give(kind, kind == 3 ? 2 : 1);
    }
    const int money = p.record().money;
    const auto short1 = act(p, 4);
    EXPECT_EQ(short1["response"].asInt(), 0);
    EXPECT_EQ(short1["fail"].asInt(), 1);
    give(12, 0);
    EXPECT_EQ(act(p, 4)["fail"].asInt(), 1) << "a kind held zero times is missing";
    EXPECT_EQ(p.record().money, money);
    EXPECT_EQ(cardsOf(p)[0], 1) << "a refused exchange takes nothing";

    give(12, 1);
    const auto done = act(p, 4);
    ASSERT_EQ(done["response"].asInt(), 1) << done;
    EXPECT_EQ(done["money"].asInt(), money + treasure::kSetRewardMoney);
    EXPECT_EQ(p.record().money, money + treasure::kSetRewardMoney);
    std::array<int, 12> left{};
    left[2] = 1;
    EXPECT_EQ(cardsOf(p), left);
    EXPECT_EQ(server->app().services().counters.value(p.id(), Counter::Sets), 1);
    EXPECT_EQ(act(p, 4)["fail"].asInt(), 1) << "one set, one exchange";
    EXPECT_EQ(p.record().money, money + treasure::kSetRewardMoney);
}

TEST_F(TreasureFlow, UnknownActsAreRefusedAndTheServerGoesOn) {
    const auto p = guest("TREASURE0005");
    for (const Json::Value& bad : {Json::Value(0), Json::Value(5), Json::Value("dig"), Json::Value(2.5),
                                   Json::Value(Json::objectValue), Json::Value()}) {
        auto r = command(17);
        r["act"] = bad;
        const auto answer = p.game(r);
        EXPECT_EQ(answer["response"].asInt(), 0) << bad;
        EXPECT_EQ(answer["fail"].asInt(), 9) << bad;
    }
    EXPECT_EQ(act(p, 1)["response"].asInt(), 1);
    EXPECT_EQ(server->app().services().counters.value(p.id(), Counter::Treasures), 0);
}

} // namespace
} // namespace server::test

// The counters on a throwaway database: what add, raiseTo and an answer do to them, and that a
// count rolls back with the transaction of its cause. The seed catalogue and how malformed
// catalogue entries are left out.
#include "TempDir.h"
#include "TestDatabase.h"
#include "achievements/AchievementCatalogue.h"
#include "achievements/AchievementCounters.h"

#include <gtest/gtest.h>

#include <set>

namespace server::test {
namespace {

using achievements::AchievementCatalogue;
using achievements::AchievementCounters;
using achievements::Counter;

class AchievementCounting : public ::testing::Test {
protected:
    TempDir dir;
    Storage storage{databaseFor(dir, "counters.db")};
    AchievementCounters counters{storage};

    void answer(int player, bool right) {
        auto tx = storage.transaction();
        counters.answered(tx, player, right);
        tx.commit();
    }
};

TEST_F(AchievementCounting, AddSumsRaiseToKeepsTheLargerAndPlayersStayApart) {
    {
        auto tx = storage.transaction();
        counters.add(tx, 1, Counter::Cards, 2);
        counters.add(tx, 1, Counter::Cards, 1);
        counters.raiseTo(tx, 1, Counter::SignStreak, 5);
        counters.raiseTo(tx, 1, Counter::SignStreak, 3);
        counters.add(tx, 2, Counter::Cards, 7);
        tx.commit();
    }
    EXPECT_EQ(counters.value(1, Counter::Cards), 3);
    EXPECT_EQ(counters.value(1, Counter::SignStreak), 5) << "a shorter streak later keeps the best";
    EXPECT_EQ(counters.value(2, Counter::Cards), 7);
    EXPECT_EQ(counters.value(2, Counter::SignStreak), 0) << "never counted reads 0";
}

TEST_F(AchievementCounting, ACountRollsBackWithItsCause) {
    {
        auto tx = storage.transaction();
        counters.add(tx, 1, Counter::Treasures, 1);
    } // not committed: the dig failed
    EXPECT_EQ(counters.value(1, Counter::Treasures), 0);
}

TEST_F(AchievementCounting, AWrongAnswerEndsTheRunAndTheBestRunStays) {
    for (bool right : {true, true, true, false, true, true}) {
        answer(1, right);
    }
    EXPECT_EQ(counters.value(1, Counter::Answers), 6);
    EXPECT_EQ(counters.value(1, Counter::RightAnswers), 5);
    EXPECT_EQ(counters.value(1, Counter::RightRun), 3) << "the run of two after the miss is shorter";
    for (int i = 0; i < 2; ++i) {
        answer(1, true);
    }
    EXPECT_EQ(counters.value(1, Counter::RightRun), 4) << "the current run goes on past the old best";
    answer(2, false);
    EXPECT_EQ(counters.value(2, Counter::RightRun), 0);
    EXPECT_EQ(counters.value(1, Counter::RightRun), 4) << "another player's miss ends no one else's run";
}

TEST_F(AchievementCounting, TheTablesSurviveAReopen) {
    answer(1, true);
    AchievementCounters again(storage);
    EXPECT_EQ(again.value(1, Counter::RightRun), 1);
}

TEST(AchievementCatalogueFile, TheSeedHoldsSixteenWholeAchievementsCoveringEveryCounter) {
    const auto catalogue = AchievementCatalogue::fromFile(std::string(BRINDLE_SERVER_DATA_SOURCE) + "/achievements.json");
    ASSERT_EQ(catalogue.all().size(), 16u);
    std::set<Counter> counters;
    for (std::size_t i = 0; i < catalogue.all().size(); ++i) {
        const auto& a = catalogue.all()[i];
        char img[32];
        std::snprintf(img, sizeof img, "achv_%02zu.png", i + 1);
        EXPECT_EQ(a.img, img);
        EXPECT_EQ(a.id, static_cast<int>(i + 1));
        EXPECT_GT(a.prize, 0) << a.id;
        EXPECT_FALSE(a.name.empty()) << a.id;
        EXPECT_FALSE(a.desc.empty()) << a.id;
        counters.insert(a.counter);
    }
    EXPECT_EQ(counters.size(), 8u);
}

TEST(AchievementCatalogueFile, BrokenEntriesAreLeftOutAndAMissingFileOffersNone) {
    Json::Value list(Json::arrayValue);
    auto entry = [&](const Json::Value& id, int counter, int target) {
        Json::Value e(Json::objectValue);
        e["id"] = id;
        e["counter"] = counter;
        e["target"] = target;
        e["prize"] = 5;
        e["name"] = Json::Value(Json::arrayValue); // not a text: read as empty
        list.append(e);
    };
    entry(1, 1, 10);
    entry(1, 2, 10);    // repeated id
    entry(2, 9, 10);    // no such counter
    entry(3, 1, 0);     // nothing to finish
    entry("4", 1, 10);  // id is no number
    list.append("text");
    const auto catalogue = AchievementCatalogue::fromJson(list);
    ASSERT_EQ(catalogue.all().size(), 1u);
    EXPECT_EQ(catalogue.all()[0].counter, Counter::Answers);
    EXPECT_EQ(catalogue.all()[0].name, "");
    EXPECT_FALSE(catalogue.find(2));
    EXPECT_TRUE(AchievementCatalogue::fromFile("/nonexistent/achievements.json").all().empty());
}

} // namespace
} // namespace server::test

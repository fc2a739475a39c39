#include "quiz/BankLoader.h"
#include "quiz/DailyQuestionList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace server::quiz {
namespace {

std::vector<int> ids(int count)
{
    std::vector<int> v(count);
    std::iota(v.begin(), v.end(), 100);
    return v;
}

TEST(DailyQuestionList, NeverOffersAQuestionAnsweredToday)
{
    const auto all = ids(50);
    std::set<int> answered;
    for (int round = 0; round < 5; ++round) {
        const auto list = DailyQuestionList::build(all, answered, 7, 20261209, 10);
        ASSERT_EQ(list.size(), 10u);
        for (int id : list) {
            EXPECT_FALSE(answered.count(id)) << id;
            answered.insert(id);
        }
    }
    EXPECT_TRUE(DailyQuestionList::build(all, answered, 7, 20261209, 10).empty());
}

TEST(DailyQuestionList, KeepsItsOrderThroughTheDayAndDiffersBetweenPlayersAndDays)
{
    const auto all = ids(40);
    const auto first = DailyQuestionList::build(all, {}, 7, 20261209, 40);
    const auto later = DailyQuestionList::build(all, {first[0], first[1]}, 7, 20261209, 40);
    EXPECT_EQ(std::vector<int>(first.begin() + 2, first.end()), later);
    EXPECT_NE(first, DailyQuestionList::build(all, {}, 8, 20261209, 40));
    EXPECT_NE(first, DailyQuestionList::build(all, {}, 7, 20261210, 40));
    auto sorted = first;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, all); // every question, once
}

// Three questions of every choice kind and a few character games, ids spelt as the bank spells them.
std::vector<int> bankLikeIds()
{
    std::vector<int> v;
    for (int pair : {101, 104, 107, 108, 109, 110, 111, 115, 207, 208, 209, 212, 213, 102, 114, 301})
        for (int n = 1; n <= 3; ++n)
            v.push_back(pair * 1000 + n);
    return v;
}

std::set<int> kindsOf(const std::vector<int>& ids)
{
    std::set<int> kinds;
    for (int id : ids)
        kinds.insert(DailyQuestionList::choiceKind(id));
    return kinds;
}

TEST(DailyQuestionList, OpensWithOneQuestionOfEveryChoiceKindNotAnsweredToday)
{
    const auto all = bankLikeIds();
    const auto list = DailyQuestionList::build(all, {}, 7, 20261209, 100);
    ASSERT_EQ(list.size(), all.size());
    const std::vector<int> leads(list.begin(), list.begin() + DailyQuestionList::kChoiceKinds);
    EXPECT_EQ(kindsOf(leads), (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    // The five text choice play types are one kind: one of them leads, not five.
    EXPECT_EQ(DailyQuestionList::choiceKind(108001), DailyQuestionList::choiceKind(111003));
    EXPECT_EQ(DailyQuestionList::choiceKind(102001), -1);
    EXPECT_EQ(DailyQuestionList::choiceKind(301001), -1);

    // Once a kind was answered today it no longer jumps the queue; the rest keep the day's order.
    const std::set<int> answered = {leads[0]};
    const auto later = DailyQuestionList::build(all, answered, 7, 20261209, 100);
    const int metKind = DailyQuestionList::choiceKind(leads[0]);
    const std::vector<int> laterLeads(later.begin(), later.begin() + DailyQuestionList::kChoiceKinds - 1);
    EXPECT_FALSE(kindsOf(laterLeads).count(metKind));
    EXPECT_EQ(std::vector<int>(later.begin(), later.begin() + 8), std::vector<int>(leads.begin() + 1, leads.end()));

    // A short list still holds every kind.
    EXPECT_EQ(kindsOf(DailyQuestionList::build(all, {}, 8, 20261210, 9)).size(), 9u);
}

TEST(DailyQuestionList, TheBundledBankGivesEveryPlayerEveryChoiceKindFirst)
{
    const auto load = BankLoader::loadFolder(std::string(BRINDLE_SERVER_SOURCE_DIR) + "/bank/questions", "");
    std::vector<int> all;
    for (const auto& e : load.entries)
        all.push_back(e.qsid);
    for (int player = 10001; player < 10021; ++player) {
        const auto list = DailyQuestionList::build(all, {}, player, 20261209);
        ASSERT_GE(list.size(), 9u);
        EXPECT_EQ(kindsOf(std::vector<int>(list.begin(), list.begin() + 9)).size(), 9u) << player;
    }
}

TEST(DailyQuestionList, TodayIsADate)
{
    const int day = DailyQuestionList::today();
    EXPECT_GT(day, 20240101);
    EXPECT_LE(day % 100, 31);
    EXPECT_LE(day / 100 % 100, 12);
}

} // namespace
} // namespace server::quiz

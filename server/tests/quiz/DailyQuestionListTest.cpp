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

TEST(DailyQuestionList, TodayIsADate)
{
    const int day = DailyQuestionList::today();
    EXPECT_GT(day, 20240101);
    EXPECT_LE(day % 100, 31);
    EXPECT_LE(day / 100 % 100, 12);
}

} // namespace
} // namespace server::quiz

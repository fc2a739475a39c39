// Contest wins are counted for the achievements when the contest is paid: the winner's count
// grows, the loser's and a tie's do not, and a win by the other side leaving counts too.
#include "achievements/AchievementCounters.h"
#include "contests/ContestTestSupport.h"

namespace server::test {
namespace {

using achievements::Counter;
using ContestWinCount = ContestTest;

TEST_F(ContestWinCount, OnlyTheWinnerOfAPaidContestCounts) {
    auto a = account();
    auto b = account();
    auto& counters = server->app().services().counters;
    pairUp(a, b);
    playOut(a, 3, b, 2);
    ASSERT_FALSE(a.take(32, 1).isNull()) << "the result";
    EXPECT_EQ(counters.value(a.id(), Counter::ContestWins), 1);
    EXPECT_EQ(counters.value(b.id(), Counter::ContestWins), 0);

    a.inbox.clear();
    b.inbox.clear();
    pairUp(a, b);
    playOut(a, 2, b, 2); // same rights, same times: a tie
    const auto tie = a.take(32, 1);
    ASSERT_FALSE(tie.isNull());
    EXPECT_EQ(tie["iswin"].asInt(), 2) << tie;
    EXPECT_EQ(counters.value(a.id(), Counter::ContestWins), 1);
    EXPECT_EQ(counters.value(b.id(), Counter::ContestWins), 0);
}

TEST_F(ContestWinCount, TheOneWhoStaysWhenTheOtherLeavesWins) {
    auto a = account();
    auto b = account();
    pairUp(a, b);
    ASSERT_EQ(a.presence(4, 1)["response"].asInt(), 1); // a leaves the running contest
    b.drain();
    tick();
    EXPECT_EQ(server->app().services().counters.value(b.id(), Counter::ContestWins), 1);
    EXPECT_EQ(server->app().services().counters.value(a.id(), Counter::ContestWins), 0);
}

} // namespace
} // namespace server::test

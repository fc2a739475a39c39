// The contest rankings: which ranking each hall opens, what the rows and the own line say, that a
// stray entry asks nothing, and the way back to the hall that opened it.
#include "app/SceneDirector.h"
#include "contest/CHD_RankItemCellOfHD.h"
#include "contest/CHD_RankOfHDLayer.h"
#include "contest/TeamExamSupport.h"

#include "cocos-ext.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

using Rows = std::vector<std::vector<std::string>>;

class ContestRankTest : public TeamExamTest {
protected:
    CHD_RankOfHDLayer* rank() { return screen<CHD_RankOfHDLayer>(); }
    std::vector<std::string> keys(std::initializer_list<const char*> names) {
        std::vector<std::string> texts;
        for (const char* name : names) texts.push_back(text(name));
        return texts;
    }
};

TEST_F(ContestRankTest, EachHallOpensItsOwnRankingWithItsHeadersRowsAndOwnLine) {
    answers().ranks[1] = playerRank(3, 4, false);
    answers().ranks[3] = playerRank(0, 2, false);
    answers().ranks[4] = playerRank(5, 3, true);
    answers().teamRank = teamRankAnswer(2, 3);
    struct Case {
        int hall;
        std::vector<std::string> headers;
        int system, matchType;
        std::vector<std::string> firstRow;
        std::string own;
    };
    const std::vector<Case> cases = {
        {23, keys({"HDRankOfDoubles", "HDPlayerOfDoubles", "HDWinOfDoubles", "HDTotalJiFenOfDoubles"}), 33, 1,
         {"1", "玩家1", "39/50", "890"}, "我的名次：第3名　胜场：12/20　总积分：240"},
        {28, keys({"HDRankOfDoubles", "HDPlayerOfDoubles", "HDWinOfDoubles", "HDTotalJiFenOfDoubles"}), 33, 3,
         {"1", "玩家1", "39/50", "890"}, text("HDNotRanked")},
        // The exam ranks by right answers and the time they took, to one decimal.
        {29, keys({"HDRankOfDoubles", "HDPlayerOfDoubles", "HDRightConutOfExam", "HDTimeOfExam"}), 33, 4,
         {"1", "玩家1", "10/10", "31.2秒"}, "我的名次：第5名　答对：7/10　用时：63.4秒"},
        // Teams carry no places: the order is the place.
        {25, keys({"HDRankOfDoubles", "HDTeamNameOfTeam", "HDTotalJiFenOfDoubles"}), 40, -1, {"1", "第1队", "950"},
         "我的队伍：第2名　总积分：330"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hall);
        const std::size_t before = sent(c.system).size();
        ASSERT_NO_FATAL_FAILURE(enterFrom(c.hall, 24));
        CHD_RankOfHDLayer* layer = rank();
        ASSERT_NE(layer, nullptr);
        EXPECT_EQ(layer->headers(), c.headers);
        const auto asked = sent(c.system);
        ASSERT_EQ(asked.size(), before + 1);
        if (c.matchType > 0) {
            EXPECT_EQ(asked.back()["matchtype"].asInt(), c.matchType);
        } else {
            EXPECT_EQ(asked.back()["act"].asInt(), 1);
            EXPECT_EQ(asked.back()["page"].asInt(), 0);
        }
        ASSERT_FALSE(layer->rows().empty());
        EXPECT_EQ(layer->rows().front(), c.firstRow);
        EXPECT_EQ(layer->ownLine()->getString(), c.own);
        // Every row is in the table, and the table draws them.
        EXPECT_EQ(layer->table()->usedCellCount(), layer->rows().size());
        for (const std::string& header : c.headers) EXPECT_TRUE(holdsText(layer, header)) << header;

        tapNode(layer->backButton());
        engine::testing::stepSeconds(0.3f);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), c.hall) << "back to the hall that opened it";
    }
}

TEST_F(ContestRankTest, RowsAlternateTheirBackgroundAndKeepTheirColumnsWhenReused) {
    answers().ranks[4] = playerRank(0, 12, true);
    ASSERT_NO_FATAL_FAILURE(enterFrom(29, 24));
    CHD_RankOfHDLayer* layer = rank();
    ASSERT_NE(layer, nullptr);
    ASSERT_EQ(layer->rows().size(), 12u);
    EXPECT_EQ(layer->ownLine()->getString(), text("HDExamNotRanked"));
    auto* first = dynamic_cast<CHD_RankItemCellOfHD*>(layer->table()->cellAtIndex(0));
    auto* second = dynamic_cast<CHD_RankItemCellOfHD*>(layer->table()->cellAtIndex(1));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first->background(), second->background());
    EXPECT_EQ(second->columns(), (std::vector<std::string>{"2", "一个名字特别特别长的答题高手玩家", "9/10", "32.2秒"}));
    // The long name is drawn smaller, inside its column.
    for (const std::string& s : textsIn(second)) EXPECT_FALSE(s.empty());

    // Scrolled to the end, the reused cells show the last rows and nothing of the first.
    layer->table()->setContentOffset(ccp(0, 0));
    engine::testing::stepFrames(2);
    auto* last = dynamic_cast<CHD_RankItemCellOfHD*>(layer->table()->cellAtIndex(11));
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->columns()[0], "12");
    EXPECT_FALSE(holdsText(last, "玩家1"));
    EXPECT_EQ(textsIn(last).size(), 4u) << "a reused cell holds its new row only";
}

TEST_F(ContestRankTest, OpenedFromAnywhereElseItBuildsAndAsksNothing) {
    answers().ranks[1] = playerRank(3, 4, false);
    for (int from : {2, 21}) {
        SCOPED_TRACE(from);
        ASSERT_NO_FATAL_FAILURE(enterFrom(from, 24));
        CHD_RankOfHDLayer* layer = rank();
        ASSERT_NE(layer, nullptr);
        EXPECT_EQ(layer->table(), nullptr);
        EXPECT_EQ(layer->getChildrenCount(), 0u);
        EXPECT_TRUE(layer->headers().empty());
    }
    EXPECT_TRUE(sent(33).empty());
    EXPECT_TRUE(sent(40).empty());
}

TEST_F(ContestRankTest, ARefusedRankingLeavesAnEmptyTableAndNoTeamSaysSo) {
    // No answer for the challenge ranking: the server says 0.
    ASSERT_NO_FATAL_FAILURE(enterFrom(28, 24));
    ASSERT_NE(rank(), nullptr);
    EXPECT_TRUE(rank()->rows().empty());
    EXPECT_EQ(rank()->table()->usedCellCount(), 0u);

    answers().teamRank = teamRankAnswer(0, 2);
    ASSERT_NO_FATAL_FAILURE(enterFrom(25, 24));
    ASSERT_NE(rank(), nullptr);
    EXPECT_EQ(rank()->rows().size(), 2u);
    EXPECT_EQ(rank()->ownLine()->getString(), text("HDTeamNotRanked"));
}

} // namespace

// The weekly ranking: the rows with their top-place icons and masked numbers, the own-rank panel
// ranked and unranked, refusals and late answers, and the screen's buttons.
#include "menu/SignRankSupport.h"

#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "menu/CRankItemCell.h"
#include "menu/CRankLayer.h"
#include "net/GameData.h"
#include "net/RewardParsers.h"
#include "net/UserSession.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/CTipBox.h"

#include "testing/EngineTesting.h"

#include <json/reader.h>

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

class RankScreenTest : public SignRankTest {
protected:
    CRankLayer* enterRank() { return enter<CRankLayer>(4); }
    static CRankItemCell* row(CRankLayer* layer, unsigned idx) {
        return dynamic_cast<CRankItemCell*>(layer->table()->cellAtIndex(idx));
    }
    static std::string shown(CCLabelBMFont* label) { return label ? label->getString() : "<none>"; }
};

TEST_F(RankScreenTest, TelephoneNumbersAreMaskedWithoutReadingPastTheirEnd) {
    struct Case {
        std::string tel, shown;
    };
    const Case cases[] = {
        {"13800138000", "138****8000"},      // the usual eleven digits: the last four stay
        {"1380013800", "138****800"},        // 7 to 10 characters: whatever follows the eighth
        {"13800138", "138****8"},
        {"1380013", "138****"},
        {"138001", "138****"},               // shorter: at most the first three, then the mask
        {"13", "13****"},
        {"", ""},
        {"138001380001234", "138****8000"},  // longer: four characters from the eighth, no more
        {"小明同学的电话号码是", "小明同****号码是"}, // whole characters, never half of one
        {"小明同学的电话号", "小明同****号"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tel);
        EXPECT_EQ(CRankItemCell::maskedTel(c.tel), c.shown);
    }
}

TEST_F(RankScreenTest, RowsAndTheOwnRankPanel) {
    rank = rankAnswer(3, 260, 410, 5);
    rank["ranklist"][4]["tel"] = "12345";
    rank["ranklist"][1]["name"] = "一个名字特别特别长的答题高手玩家";
    CRankLayer* layer = enterRank();
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(requestsOf(13).size(), 1u);

    CCTableView* table = layer->table();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->getTag(), CRankLayer::kTableTag);
    EXPECT_EQ(table->getPosition(), ccp(75, 195));
    EXPECT_EQ(table->getViewSize(), CCSizeMake(790, 325));
    EXPECT_EQ(layer->numberOfCellsInTableView(table), 5u);
    EXPECT_EQ(layer->cellSizeForTable(table), CCSizeMake(790, 100));

    struct Expect {
        bool icon;
        std::string rank, tel, score;
    };
    const Expect rows[] = {{true, "1", "138****8000", "980"},
                           {true, "2", "138****8111", "895"},
                           {true, "3", "138****8222", "810"},
                           {false, "4", "138****8333", "725"},
                           {false, "5", "123****", "640"}};
    for (unsigned i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        // The table holds the rows it shows: scroll down for the last one.
        if (i == 4) {
            table->setContentOffset(ccp(0, 0));
            engine::testing::stepFrames(2);
        }
        CRankItemCell* cell = row(layer, i);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->topIcon()->isVisible(), rows[i].icon);
        EXPECT_EQ(shown(cell->rankLabel()), rows[i].rank);
        EXPECT_EQ(cell->telLabel()->getString(), rows[i].tel);
        EXPECT_EQ(shown(cell->scoreLabel()), rows[i].score);
    }
    // The first place stands at the top of the table.
    EXPECT_GT(row(layer, 3)->getPositionY(), row(layer, 4)->getPositionY());
    // A long nickname is drawn smaller, then cut with an ellipsis, and ends before the score.
    table->setContentOffset(table->minContainerOffset());
    engine::testing::stepFrames(2);
    ASSERT_NE(row(layer, 1), nullptr);
    CCLabelTTF* name = row(layer, 1)->nameLabel();
    const std::string drawn = name->getString();
    EXPECT_EQ(drawn.rfind("一个名字特别", 0), 0u) << drawn;
    EXPECT_EQ(drawn.substr(drawn.size() - 3), "…");
    EXPECT_GE(name->getScale(), 0.75f);
    EXPECT_EQ(row(layer, 0)->nameLabel()->getString(), std::string("答题小王子")) << "a short name stays whole";
    EXPECT_LE(name->getPositionX() + name->getContentSize().width * name->getScaleX(), 610);

    EXPECT_EQ(shown(layer->rankText()), "我的排名：3");
    EXPECT_EQ(shown(layer->lastWeekLabel()), text("lastWeek"));
    EXPECT_EQ(shown(layer->curWeekLabel()), text("curWeek"));
    EXPECT_EQ(shown(layer->lastWeekScore()), ":260");
    EXPECT_EQ(shown(layer->curWeekScore()), ":410");
    EXPECT_EQ(layer->rankText()->getPosition(), ccp(100, 80));
    EXPECT_EQ(layer->lastWeekScore()->getPosition(), ccp(450, 80));
    EXPECT_EQ(layer->curWeekScore()->getPosition(), ccp(690, 80));
    EXPECT_EQ(layer->rankText()->getAnchorPoint(), CCPointZero);
}

TEST_F(RankScreenTest, TopIconOnlyForTheFirstThreePlaces) {
    for (int place : {-1, 0, 1, 3, 4, 50}) {
        SCOPED_TRACE(place);
        CRankItemCell* cell = CRankItemCell::create();
        RankItem item;
        item.rank = place;
        item.tel = "13800138000";
        cell->fill(item);
        EXPECT_EQ(cell->topIcon()->isVisible(), place >= 1 && place <= 3);
        // Reused for a lower place, the icon goes.
        item.rank = 7;
        cell->fill(item);
        EXPECT_FALSE(cell->topIcon()->isVisible());
    }
}

TEST_F(RankScreenTest, UnrankedRefusedAndLateAnswers) {
    // Unranked: the "not in the ranking" line, the list still shown.
    rank = rankAnswer(0, 0, 0, 2);
    CRankLayer* layer = enterRank();
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(shown(layer->rankText()), text("weijinrupaihangbang"));
    EXPECT_EQ(layer->numberOfCellsInTableView(layer->table()), 2u);

    // Refused: the panel stays as built and the table empty, even with an older ranking stored.
    rank = Json::Value();
    layer = enterRank();
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(shown(layer->rankText()), "");
    EXPECT_EQ(shown(layer->curWeekScore()), "");
    EXPECT_EQ(layer->numberOfCellsInTableView(layer->table()), 0u);
    EXPECT_TRUE(logged("ranking was refused"));

    // Late: the answer comes once the player is back on the main menu.
    rank = rankAnswer(0, 0, 0, 1);
    layer = enterRank();
    ASSERT_NE(layer, nullptr);
    layer->retain();
    enterScene(2);
    Json::Value answer;
    ASSERT_TRUE(Json::Reader().parse(R"({"response":1,"myrank":7,"myscore":5,"curweekscore":9,"ranklist":[]})", answer));
    int code = -1;
    RewardParsers::rankList(answer, &code);
    ASSERT_EQ(code, 0);
    layer->onRankAnswer(code);
    EXPECT_EQ(shown(layer->rankText()), text("weijinrupaihangbang"));
    EXPECT_EQ(shown(layer->curWeekScore()), ":0");
    EXPECT_EQ(layer->numberOfCellsInTableView(layer->table()), 1u);
    layer->release();
}

TEST_F(RankScreenTest, HeaderButtonsAndBoxes) {
    GameData::instance().explains = {{0, "每周一结算"}, {3, "每天签到一次"}};
    rank = rankAnswer(1, 100, 200, 1);
    CRankLayer* layer = enterRank();
    ASSERT_NE(layer, nullptr);
    EXPECT_FALSE(layer->widget("sharebtn")->isVisible());
    EXPECT_FALSE(layer->widget("luobolabel")->isVisible());
    EXPECT_FALSE(layer->widget("jinluobolabel")->isVisible());
    EXPECT_EQ(shown(layer->scoreLabel()), "1200");
    EXPECT_EQ(shown(layer->moneyLabel()), "35");
    EXPECT_EQ(layer->scoreLabel()->getPosition(), ccpAdd(worldOf(layer->widget("luobolabel")), ccp(-30, 0)));
    EXPECT_EQ(layer->moneyLabel()->getPosition(), ccpAdd(worldOf(layer->widget("jinluobolabel")), ccp(-40, 0)));
    EXPECT_TRUE(childrenOf<CMyMessageBox>(layer).empty()) << "a registered player gets no box";

    tapWidget(layer->widget("rankinsbtn"));
    auto tips = childrenOf<CTipBox>(layer);
    ASSERT_EQ(tips.size(), 1u);
    const std::string tree = engine::testing::dumpTree(tips[0]);
    EXPECT_NE(tree.find("每周一结算"), std::string::npos);
    EXPECT_EQ(tree.find("每天签到一次"), std::string::npos);
    tips[0]->handleRelease(tips[0]->closeButton()->getPosition());
    EXPECT_TRUE(childrenOf<CTipBox>(layer).empty());

    // Back leaves on release, not on the first touch.
    const CCPoint back = worldOf(layer->widget("backbtn"));
    engine::testing::touchBegan(back.x, back.y);
    engine::testing::stepFrames(2);
    EXPECT_EQ(sceneId(), 4);
    engine::testing::touchEnded(back.x, back.y);
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(sceneId(), 2);

    // Without an account: the ranking's own box, and the list is still asked for.
    StoredSettings::storeUserName("");
    layer = enterRank();
    auto said = childrenOf<CMyMessageBox>(layer);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0]->messageText(), text("rankTip"));
    EXPECT_EQ(requestsOf(13).size(), 2u);
    said[0]->handleRelease(said[0]->button(1)->getPosition());
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(sceneId(), 14);

    StoredSettings::storeUserName("guest-7");
    UserSession::instance().setAccountKind(2);
    layer = enterRank();
    said = childrenOf<CMyMessageBox>(layer);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0]->titleText(), text("FriendlyTip"));
    EXPECT_EQ(said[0]->messageText(), text("notLoginTip"));
}

} // namespace

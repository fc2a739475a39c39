// The task screen: the two tabs over the split list, a claim from tap to flying carrot, where the
// list stays after it, the failures, late answers, icons that are no frame, and the account boxes.
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "menu/CDoneAchieveCell.h"
#include "menu/CTaskLayer.h"
#include "menu/RewardScreenSupport.h"
#include "net/GameData.h"
#include "net/UserSession.h"
#include "quiz/AddCarrot.h"
#include "widgets/CListMenu.h"
#include "widgets/CMessageBox.h"
#include "widgets/CMyMessageBox.h"

#include "cocos-ext.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

class TaskScreenTest : public RewardScreenTest {
protected:
    void SetUp() override {
        RewardScreenTest::SetUp();
        GameData::instance().user.score = 120;
        GameData::instance().user.money = 8;
        answerWith(14, "show", Reply::json(achievementList({achievement(1, 3, 5, 0, "achv_01.png"),
                                                            achievement(2, 5, 5, 0, "achv_02.png"),
                                                            achievement(3, 7, 5, 1, "achv_03.png"),
                                                            achievement(4, 0, 10, 0, "achv_04.png")})));
    }

    CTaskLayer* task() { return screen<CTaskLayer>(); }
    CDoneAchieveCell* row(unsigned idx) {
        return dynamic_cast<CDoneAchieveCell*>(task()->table()->cellAtIndex(idx));
    }
    std::vector<int> shownIds() {
        std::vector<int> ids;
        for (unsigned i = 0; i < task()->numberOfCellsInTableView(task()->table()); ++i) {
            CDoneAchieveCell* cell = row(i);
            ids.push_back(cell ? cell->achievementId() : -1);
        }
        return ids;
    }
    void tapWidget(const char* name) { tapNode(task()->widget(name)); }
    std::vector<Json::Value> claims() {
        std::vector<Json::Value> found;
        for (const Json::Value& r : sent(14)) {
            if (r["act"].asString() == "askprize") found.push_back(r);
        }
        return found;
    }
    static Json::Value claimAnswer(Json::Value list, int addScore, int score) {
        list["addscore"] = addScore;
        list["score"] = score;
        list["levelupscore"] = 500;
        list["level"] = 3;
        list["money"] = 8;
        return list;
    }
};

TEST_F(TaskScreenTest, EntryAsksTheListAndOpensOnTheInProgressTab) {
    enter(12);
    CTaskLayer* layer = task();
    ASSERT_NE(layer, nullptr);
    const auto asked = sent(14);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0]["act"].asString(), "show");

    EXPECT_EQ(layer->tab(), CTaskLayer::kInProgress);
    EXPECT_TRUE(layer->widget("taskRightBtnBg")->isVisible());
    EXPECT_FALSE(layer->widget("taskLeftBtnBg")->isVisible());
    EXPECT_EQ(shownIds(), (std::vector<int>{1, 4})) << "in progress, in server order";

    CDoneAchieveCell* first = row(0);
    EXPECT_STREQ(first->progressLabel()->getString(), "3/5");
    EXPECT_EQ(first->nameLabel()->getString(), std::string("成就1"));
    EXPECT_EQ(first->descLabel()->getString(), std::string("说明1"));
    ASSERT_NE(first->icon(), nullptr);
    EXPECT_NEAR(first->icon()->getContentSize().height * first->icon()->getScaleY(), 60, 0.01);
    EXPECT_NEAR(first->icon()->getScaleX(), first->icon()->getScaleY(), 1e-6);
    EXPECT_FALSE(first->claimItem()->isVisible()) << "nothing to claim while in progress";
    EXPECT_FALSE(first->claimCaption()->isVisible());
    EXPECT_FALSE(first->shareButton()->isVisible());
    EXPECT_STREQ(layer->scoreLabel()->getString(), "120");
    EXPECT_STREQ(layer->moneyLabel()->getString(), "8");
    EXPECT_TRUE(boxes().empty()) << "a registered player is not asked anything";

    tapWidget("taskBackBtn");
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2);
}

TEST_F(TaskScreenTest, TabsSwitchListsAndTheInProgressTabAnswersWhenTheFingerLands) {
    enter(12);
    CTaskLayer* layer = task();
    tapWidget("taskLeftBtn");
    EXPECT_EQ(layer->tab(), CTaskLayer::kFinished);
    EXPECT_TRUE(layer->widget("taskLeftBtnBg")->isVisible());
    EXPECT_FALSE(layer->widget("taskRightBtnBg")->isVisible());
    EXPECT_EQ(shownIds(), (std::vector<int>{2, 3})) << "do equal to done and past it are finished";

    CDoneAchieveCell* open = row(0);
    EXPECT_TRUE(open->claimItem()->isVisible());
    EXPECT_TRUE(open->claimItem()->isEnabled());
    EXPECT_EQ(open->claimCaption()->getString(), text("Get"));
    // The button is drawn where it is touched: a 100-wide button under its caption.
    const CCRect drawn = open->claimItem()->boundingBox();
    EXPECT_NEAR(drawn.size.width, 100.5, 1);
    const CCPoint middle = open->claimItem()->getParent()->convertToWorldSpace(ccp(drawn.getMidX(), drawn.getMidY()));
    EXPECT_NEAR(middle.x, worldOf(open->claimCaption()).x, 1);
    EXPECT_NEAR(middle.y, worldOf(open->claimCaption()).y, 1);
    CDoneAchieveCell* taken = row(1);
    EXPECT_STREQ(taken->progressLabel()->getString(), "7/5");
    EXPECT_FALSE(taken->claimItem()->isEnabled());
    EXPECT_EQ(taken->claimCaption()->getString(), text("AchieveGot"));

    // The right tab switches on touch-down, before the finger is lifted.
    const CCPoint right = worldOf(layer->widget("taskRightBtn"));
    engine::testing::touchBegan(right.x, right.y);
    EXPECT_EQ(layer->tab(), CTaskLayer::kInProgress);
    EXPECT_TRUE(layer->widget("taskRightBtnBg")->isVisible());
    EXPECT_EQ(shownIds(), (std::vector<int>{1, 4}));
    engine::testing::touchEnded(right.x, right.y);
    EXPECT_EQ(layer->tab(), CTaskLayer::kInProgress);
    EXPECT_TRUE(claims().empty());
}

TEST_F(TaskScreenTest, AClaimGoesOutOnceDisablesItsButtonAndFliesTheScoreHome) {
    answerWith(14, "askprize",
               Reply::json(claimAnswer(achievementList({achievement(1, 3, 5, 0, "achv_01.png"),
                                                        achievement(2, 5, 5, 1, "achv_02.png"),
                                                        achievement(3, 7, 5, 1, "achv_03.png")}),
                                       30, 150)));
    enter(12);
    tapWidget("taskLeftBtn");
    CDoneAchieveCell* cell = row(0);
    ASSERT_EQ(cell->achievementId(), 2);
    tapNode(cell->claimItem());
    EXPECT_FALSE(cell->claimItem()->isEnabled()) << "disabled the moment it is pressed";
    EXPECT_EQ(cell->claimCaption()->getString(), text("AchieveGot"));
    tapNode(cell->claimItem());
    settle();
    const auto asked = claims();
    ASSERT_EQ(asked.size(), 1u) << "one claim for two taps";
    EXPECT_EQ(asked[0]["achvId"].asInt(), 2);

    CTaskLayer* layer = task();
    const auto carrots = allOf<AddCarrot>(layer);
    ASSERT_EQ(carrots.size(), 1u);
    EXPECT_EQ(carrots[0]->getZOrder(), CTaskLayer::kCarrotZ);
    EXPECT_EQ(carrots[0]->getPosition(), ccp(480, 320));
    EXPECT_STRNE(layer->scoreLabel()->getString(), "150") << "still counting";
    engine::testing::stepSeconds(2.5f);
    EXPECT_STREQ(layer->scoreLabel()->getString(), "150") << "counted up to the new total";
    EXPECT_TRUE(allOf<AddCarrot>(layer).empty()) << "the indicator leaves";

    // The answer's list: the row is taken now, and stays so on the other tab and back.
    EXPECT_FALSE(row(0)->claimItem()->isEnabled());
    EXPECT_EQ(row(0)->claimCaption()->getString(), text("AchieveGot"));
    EXPECT_TRUE(plainBoxes().empty());
    EXPECT_TRUE(boxes().empty());
}

TEST_F(TaskScreenTest, AClaimKeepsTheListWhereItWasScrolledAndHalfHiddenRowsTakeNoTouch) {
    std::vector<Json::Value> items, after;
    for (int id = 1; id <= 8; ++id) {
        items.push_back(achievement(id, 5, 5, 0, "achv_05.png"));
        after.push_back(achievement(id, 5, 5, id == 3 ? 1 : 0, "achv_05.png"));
    }
    answerWith(14, "show", Reply::json(achievementList(items)));
    answerWith(14, "askprize", Reply::json(claimAnswer(achievementList(after), 10, 130)));
    enter(12);
    tapWidget("taskLeftBtn");
    CCTableView* table = task()->table();
    // Row 0 sticks half out over the top of the list: its button stands above the list's view.
    const CCPoint scrolled = ccp(0, table->minContainerOffset().y + 60);
    table->setContentOffset(scrolled);
    engine::testing::stepFrames(1);
    CDoneAchieveCell* hidden = row(0);
    ASSERT_NE(hidden, nullptr);
    const CCPoint over = worldOf(hidden->claimItem());
    ASSERT_FALSE(CListMenu::insideList(table, over));
    engine::testing::tap(over.x, over.y);
    settle();
    EXPECT_TRUE(claims().empty()) << "a button outside the list's view takes no touch";
    EXPECT_TRUE(hidden->claimItem()->isEnabled());

    CDoneAchieveCell* third = row(2);
    ASSERT_NE(third, nullptr);
    ASSERT_TRUE(CListMenu::insideList(table, worldOf(third->claimItem())));
    tapNode(third->claimItem());
    settle();
    ASSERT_EQ(claims().size(), 1u);
    EXPECT_EQ(claims()[0]["achvId"].asInt(), 3);
    EXPECT_EQ(table->getContentOffset(), scrolled) << "the list did not jump back to its top";
    EXPECT_EQ(row(2)->claimCaption()->getString(), text("AchieveGot"));
}

TEST_F(TaskScreenTest, AFailedClaimSaysSoAndARefusalAlsoAsksTheListAgain) {
    answerWith(14, "askprize", Reply::close());
    enter(12);
    tapWidget("taskLeftBtn");
    tapNode(row(0)->claimItem());
    settle();
    auto failed = plainBoxes();
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_TRUE(treeContainsText(failed[0], text("TakeAchieveFailed")));
    EXPECT_GT(failed[0]->getZOrder(), 99) << "above the network box";
    EXPECT_FALSE(row(0)->claimItem()->isEnabled()) << "disabled until the list comes again";
    // Switching tabs refills the rows from the old list; the claim that went out still counts.
    tapWidget("taskRightBtn");
    tapWidget("taskLeftBtn");
    EXPECT_FALSE(row(0)->claimItem()->isEnabled());
    failed[0]->handleRelease(failed[0]->yesButton()->getPosition());
    EXPECT_TRUE(plainBoxes().empty()) << "the box closes";

    // The server refuses (taken already, say): the player hears it and the list is asked anew.
    Json::Value refusal(Json::objectValue);
    refusal["response"] = 0;
    refusal["fail"] = 3;
    answerWith(14, "askprize", Reply::json(refusal));
    const std::size_t listsBefore = sent(14).size() - claims().size();
    SceneDirector::instance().switchTo(2);
    engine::testing::stepSeconds(0.3f);
    enter(12);
    tapWidget("taskLeftBtn");
    tapNode(row(0)->claimItem());
    settle();
    ASSERT_EQ(plainBoxes().size(), 1u);
    EXPECT_TRUE(treeContainsText(plainBoxes()[0], text("TakeAchieveFailed")));
    EXPECT_EQ(sent(14).size() - claims().size(), listsBefore + 2) << "entry and after the refusal";
    EXPECT_TRUE(row(0)->claimItem()->isEnabled()) << "the fresh list decides again";
}

TEST_F(TaskScreenTest, AnswersArrivingAfterThePlayerLeftChangeNothing) {
    enter(12);
    CTaskLayer* layer = task();
    ASSERT_NE(layer, nullptr);
    layer->retain();
    SceneDirector::instance().switchTo(2);
    engine::testing::stepSeconds(0.3f);
    ASSERT_EQ(SceneDirector::instance().currentSceneId(), 2);
    const std::size_t rows = layer->table()->usedCellCount();
    ASSERT_EQ(rows, 2u);
    GameData::instance().achievementsInProgress.clear();
    GameData::instance().lastAddScore = 40;
    layer->onTaskList(0);
    layer->onClaimAnswer(0);
    layer->onClaimAnswer(1);
    layer->onClaimFailed(0);
    EXPECT_EQ(layer->table()->usedCellCount(), rows) << "not reloaded";
    EXPECT_TRUE(allOf<AddCarrot>(layer).empty());
    EXPECT_TRUE(allOf<CMessageBox>(layer).empty());
    EXPECT_TRUE(plainBoxes().empty());
    EXPECT_EQ(sent(14).size(), 1u);
    layer->release();
}

TEST_F(TaskScreenTest, AnIconThatNamesNoFrameIsLoggedAndTheRowStillShows) {
    answerWith(14, "show", Reply::json(achievementList({achievement(7, 1, 4, 0, "achv_99.png", "答题新手"),
                                                        achievement(8, 2, 4, 0, ""),
                                                        achievement(9, -3, 4, 0, "achv_09.png")})));
    enter(12);
    ASSERT_EQ(shownIds(), (std::vector<int>{7, 8, 9}));
    EXPECT_EQ(row(0)->icon(), nullptr);
    EXPECT_EQ(row(0)->nameLabel()->getString(), std::string("答题新手"));
    EXPECT_STREQ(row(0)->progressLabel()->getString(), "1/4");
    EXPECT_TRUE(logged("achv_99.png"));
    EXPECT_EQ(row(1)->icon(), nullptr);
    EXPECT_STREQ(row(2)->progressLabel()->getString(), "-3/4");
    ASSERT_NE(row(2)->icon(), nullptr) << "a reused row gets its own icon back";
    // The way out stays open: the keyboard's back key leaves like the back button.
    engine::testing::pressBack();
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2);
}

TEST_F(TaskScreenTest, AccountBoxesLeadToRegistrationOrLogin) {
    struct Case {
        std::string storedName;
        int kind;
        const char* message;
        const char* title;
        const char* first;
        const char* third;
        int firstScene;
    };
    const Case cases[] = {
        {"", 0, "taskTip", "tips", "RegisterNow", "nextTime", 14},
        {"13800000002", 2, "notLoginTip", "FriendlyTip", "sure", "cancel", 13},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        StoredSettings::storeUserName(c.storedName);
        UserSession::instance().setAccountKind(c.kind);
        for (int button : {1, 3}) {
            const std::size_t before = sent(14).size();
            enter(12);
            EXPECT_EQ(sent(14).size(), before + 1) << "the list is asked all the same";
            CMyMessageBox* box = boxSaying(text(c.message));
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->titleText(), text(c.title));
            EXPECT_TRUE(treeContainsText(box, text(c.first)));
            EXPECT_TRUE(treeContainsText(box, text(c.third)));
            box->handleRelease(box->button(button)->getPosition());
            engine::testing::stepSeconds(0.3f);
            const int expected = button == 1 ? c.firstScene : (c.kind == 2 ? 12 : 2);
            EXPECT_EQ(SceneDirector::instance().currentSceneId(), expected) << "button " << button;
            SceneDirector::instance().switchTo(2);
            engine::testing::stepSeconds(0.3f);
        }
    }
}

} // namespace

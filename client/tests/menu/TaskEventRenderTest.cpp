// The task and events screens drawn for real through the offscreen GL context. With
// BRINDLE_SHOT_DIR set every frame is saved there as a PNG for a person to look at.
#include "app/SceneDirector.h"
#include "menu/CDoneAchieveCell.h"
#include "menu/CTaskLayer.h"
#include "menu/RewardScreenSupport.h"
#include "quiz/CEventDoneCell.h"
#include "quiz/CEventLayer.h"
#include "net/GameData.h"
#include "net/UserSession.h"
#include "quiz/RenderSupport.h"
#include "widgets/CMyMessageBox.h"

#include "cocos-ext.h"

#include "render/GLRenderer.h"
#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

class TaskEventRenderTest : public RewardScreenTest {
protected:
    void beforePictures() override { m_gl = useOpenGL(); }
    void SetUp() override {
        RewardScreenTest::SetUp();
        if (m_gl == nullptr) GTEST_SKIP() << "no GL context here";
        GameData::instance().user.score = 1280;
        GameData::instance().user.money = 36;
    }
    Frame shoot(const std::string& name) { return shootScene(m_gl, name); }

    static std::vector<Json::Value> catalogue(int takenPrize) {
        return {achievement(1, 3, 10, 0, "achv_01.png", "初出茅庐", "累计答对10道题"),
                achievement(2, 45, 100, 0, "achv_02.png", "答题达人", "累计答对100道题"),
                achievement(3, 7, 7, takenPrize, "achv_03.png", "坚持不懈", "连续签到7天"),
                achievement(4, 60, 50, 1, "achv_04.png", "金萝卜收藏家", "累计获得50个金萝卜"),
                achievement(5, 0, 1, 0, "achv_05.png", "挑战擂主", "在擂台赛中战胜擂主1次"),
                achievement(6, 12, 30, 0, "achv_06.png", "一鸣惊人", "在一天之内答对30道题，成为当天的答题明星")};
    }

    GLRenderer* m_gl = nullptr;
};

TEST_F(TaskEventRenderTest, TaskScreenInProgressFinishedAndClaimed) {
    answerWith(14, "show", Reply::json(achievementList(catalogue(0))));
    Json::Value claimed = achievementList(catalogue(1));
    claimed["addscore"] = 50;
    claimed["score"] = 1330;
    claimed["levelupscore"] = 2000;
    claimed["level"] = 5;
    claimed["money"] = 36;
    answerWith(14, "askprize", Reply::json(claimed));
    enter(12);
    engine::testing::stepSeconds(0.3f);
    const Frame doing = shoot("task_in_progress");
    CTaskLayer* layer = screen<CTaskLayer>();
    ASSERT_NE(layer, nullptr);
    ASSERT_EQ(layer->numberOfCellsInTableView(layer->table()), 4u);

    tapNode(layer->widget("taskLeftBtn"));
    engine::testing::stepFrames(2);
    const Frame done = shoot("task_finished");
    EXPECT_GT(done.differences(doing, 90, 70, 860, 460), 2000) << "the other list shows";

    auto* cell = dynamic_cast<CDoneAchieveCell*>(layer->table()->cellAtIndex(0));
    ASSERT_NE(cell, nullptr);
    tapNode(cell->claimItem());
    settle();
    engine::testing::stepSeconds(0.3f);
    const Frame flying = shoot("task_claim_indicator");
    EXPECT_GT(flying.differences(done, 380, 220, 580, 420), 200) << "the carrot pops in the middle";
    engine::testing::stepSeconds(2.0f);
    shoot("task_claim_settled");
}

TEST_F(TaskEventRenderTest, TaskScreenBoxes) {
    answerWith(14, "show", Reply::json(achievementList(catalogue(0))));
    answerWith(14, "askprize", Reply::close());
    enter(12);
    tapNode(screen<CTaskLayer>()->widget("taskLeftBtn"));
    auto* cell = dynamic_cast<CDoneAchieveCell*>(screen<CTaskLayer>()->table()->cellAtIndex(0));
    ASSERT_NE(cell, nullptr);
    tapNode(cell->claimItem());
    settle();
    engine::testing::stepSeconds(0.5f);
    shoot("task_claim_failed");

    UserSession::instance().setAccountKind(2);
    SceneDirector::instance().switchTo(2);
    engine::testing::stepSeconds(0.3f);
    enter(12);
    engine::testing::stepSeconds(0.3f);
    shoot("task_guest_box");
}

TEST_F(TaskEventRenderTest, EventListJoinBoxAndAnswer) {
    Json::Value list(Json::objectValue);
    list["response"] = 1;
    list["huodong"].append(event(1, 0, "新手答题挑战", "活动期间累计答对五十题，即可获得五十个胡萝卜奖励。快来参加吧！"));
    list["huodong"].append(event(2, 10, "金萝卜幸运夺宝", "花费十个金萝卜参加，每周抽取幸运玩家赠送精美礼品。"));
    list["huodong"].append(event(3, 0, "周末答题狂欢", "周六、周日两天答对的每一道题都得双倍积分。"));
    answerWith(15, "0", Reply::json(list));
    Json::Value joined(Json::objectValue);
    joined["response"] = 1;
    joined["money"] = 26;
    answerWith(15, "1", Reply::json(joined));
    enter(17);
    engine::testing::stepSeconds(0.3f);
    shoot("event_list");
    CEventLayer* layer = screen<CEventLayer>();
    ASSERT_NE(layer, nullptr);
    ASSERT_NE(layer->table(), nullptr);

    auto* costly = dynamic_cast<CEventDoneCell*>(layer->table()->cellAtIndex(1));
    ASSERT_NE(costly, nullptr);
    tapNode(costly->joinButton());
    engine::testing::stepFrames(2);
    shoot("event_join_box");
    ASSERT_EQ(boxes().size(), 1u);
    boxes()[0]->handleRelease(boxes()[0]->button(1)->getPosition());
    settle();
    engine::testing::stepSeconds(0.3f);
    shoot("event_success_box");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0]->messageText(), text("EventSucceed"));

    boxes()[0]->handleRelease(boxes()[0]->button(2)->getPosition());
    Json::Value refused(Json::objectValue);
    refused["response"] = 0;
    refused["fail"] = 1;
    answerWith(15, "1", Reply::json(refused));
    tapNode(costly->joinButton());
    boxes()[0]->handleRelease(boxes()[0]->button(1)->getPosition());
    settle();
    engine::testing::stepSeconds(0.3f);
    shoot("event_refused_box");

    Json::Value none(Json::objectValue);
    none["response"] = 1;
    none["huodong"] = Json::Value(Json::arrayValue);
    answerWith(15, "0", Reply::json(none));
    GameData::instance().events.clear();
    SceneDirector::instance().switchTo(2);
    engine::testing::stepSeconds(0.3f);
    enter(17);
    engine::testing::stepSeconds(0.3f);
    shoot("event_list_empty");
}

} // namespace

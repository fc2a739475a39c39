// The events screen: the list the server sends, joining a free event at once and a costly one
// after the player agrees, the box for every answer, an empty list, and late answers.
#include "app/SceneDirector.h"
#include "menu/RewardScreenSupport.h"
#include "net/GameData.h"
#include "quiz/CEventDoneCell.h"
#include "quiz/CEventLayer.h"
#include "widgets/CMyMessageBox.h"

#include "cocos-ext.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

class EventScreenTest : public RewardScreenTest {
protected:
    void SetUp() override {
        RewardScreenTest::SetUp();
        Json::Value list(Json::objectValue);
        list["response"] = 1;
        list["huodong"].append(event(1, 0, "新手答题挑战", "累计答对五十题，即可获得五十个胡萝卜奖励。"));
        list["huodong"].append(event(2, 10, "金萝卜幸运夺宝", "花费十个金萝卜参加，每周抽取幸运玩家。"));
        answerWith(15, "0", Reply::json(list));
    }
    CEventLayer* events() { return screen<CEventLayer>(); }
    CEventDoneCell* row(unsigned idx) {
        return dynamic_cast<CEventDoneCell*>(events()->table()->cellAtIndex(idx));
    }
    std::vector<Json::Value> joins() {
        std::vector<Json::Value> found;
        for (const Json::Value& r : sent(15)) {
            if (r["act"].asInt() == 1) found.push_back(r);
        }
        return found;
    }
    static void press(CMyMessageBox* box, int button) { box->handleRelease(box->button(button)->getPosition()); }
};

TEST_F(EventScreenTest, TheListShowsEachEventWithItsTitleDescriptionAndJoinButton) {
    ASSERT_TRUE(GameData::instance().events.empty());
    enter(17);
    CEventLayer* layer = events();
    ASSERT_NE(layer, nullptr);
    ASSERT_EQ(sent(15).size(), 1u);
    EXPECT_EQ(sent(15)[0]["act"].asInt(), 0);
    // Nothing was known before the answer: the list is built when it comes.
    ASSERT_NE(layer->table(), nullptr);
    EXPECT_EQ(layer->table()->usedCellCount(), 2u);
    EXPECT_FALSE(layer->widget("shoujilabel")->isVisible());
    ASSERT_NE(layer->titleSprite(), nullptr);
    EXPECT_TRUE(layer->titleSprite()->isVisible());
    EXPECT_FLOAT_EQ(layer->titleSprite()->getScale(), 0.67f);

    EXPECT_EQ(row(0)->eventId(), 1);
    EXPECT_EQ(row(0)->titleLabel()->getString(), std::string("新手答题挑战"));
    EXPECT_EQ(row(1)->descLabel()->getString(), std::string("花费十个金萝卜参加，每周抽取幸运玩家。"));
    EXPECT_EQ(row(1)->joinLabel()->getString(), text("join"));
    EXPECT_TRUE(joins().empty());

    tapNode(layer->widget("backbtn"));
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2);
}

TEST_F(EventScreenTest, AFreeEventIsJoinedAtOnceAndACostlyOneOnlyAfterYes) {
    enter(17);
    tapNode(row(0)->joinButton());
    settle();
    ASSERT_EQ(joins().size(), 1u) << "needmoney 0 asks nothing";
    EXPECT_EQ(joins()[0]["hdid"].asInt(), 1);
    CMyMessageBox* done = boxSaying(text("EventSucceed"));
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(done->button(1), nullptr);
    ASSERT_NE(done->button(2), nullptr) << "one centred button";
    EXPECT_TRUE(treeContainsText(done, text("sure")));
    press(done, 2);
    EXPECT_TRUE(boxes().empty());

    tapNode(row(1)->joinButton());
    settle();
    EXPECT_EQ(joins().size(), 1u) << "nothing goes out before the player agrees";
    const std::string ask = text("EventNeed") + "10" + text("EventGold");
    CMyMessageBox* box = boxSaying(ask);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(treeContainsText(box, text("yes")));
    EXPECT_TRUE(treeContainsText(box, text("no")));
    press(box, 3);
    settle();
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(joins().size(), 1u) << "no: nothing sent";

    tapNode(row(1)->joinButton());
    press(boxSaying(ask), 1);
    settle();
    ASSERT_EQ(joins().size(), 2u);
    EXPECT_EQ(joins()[1]["hdid"].asInt(), 2);
}

TEST_F(EventScreenTest, EveryAnswerShowsItsOwnText) {
    struct Case {
        int response, fail;
        const char* key;
    };
    const Case cases[] = {
        {1, 0, "EventSucceed"},   {0, 0, "EventFailStr0"}, {0, 1, "EventFailStr1"}, {0, 2, "EventFailStr2"},
        {0, 3, "EventFailStr3"},  {0, 7, "EventFailStr4"}, {0, -1, "EventFailStr4"},
        // An answer that is neither success nor refusal must not show an older refusal's reason.
        {5, 0, "EventFailStr4"},
    };
    enter(17);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        GameData::instance().eventFailReason = 1;
        Json::Value answer(Json::objectValue);
        answer["response"] = c.response;
        if (c.response == 1) answer["money"] = 12;
        if (c.response == 0) answer["fail"] = c.fail;
        answerWith(15, "1", Reply::json(answer));
        tapNode(row(0)->joinButton());
        settle();
        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0]->messageText(), text(c.key));
        press(boxes()[0], 2);
    }
    EXPECT_EQ(GameData::instance().user.money, 12) << "the success carried the new money";
    // The texts match what the server means by its codes.
    EXPECT_NE(text("EventFailStr1").find("不足"), std::string::npos);
    EXPECT_NE(text("EventFailStr3").find("参加过"), std::string::npos);
}

TEST_F(EventScreenTest, AnEmptyListSaysSoAndAKnownListShowsBeforeTheAnswer) {
    Json::Value none(Json::objectValue);
    none["response"] = 1;
    none["huodong"] = Json::Value(Json::arrayValue);
    answerWith(15, "0", Reply::json(none));
    enter(17);
    EXPECT_EQ(events()->table(), nullptr);
    EXPECT_TRUE(events()->widget("shoujilabel")->isVisible());
    EXPECT_EQ(sent(15).size(), 1u);

    // A list known from the main menu is shown at once; an emptied one says so again.
    GameData::instance().events.push_back(EventItem{4, 0, 0, 0, 0, "旧活动", "说明", ""});
    m_delayMs = 300;
    SceneDirector::instance().switchTo(17);
    engine::testing::stepFrames(1);
    ASSERT_NE(events()->table(), nullptr);
    EXPECT_EQ(events()->table()->usedCellCount(), 1u);
    EXPECT_FALSE(events()->widget("shoujilabel")->isVisible());
    engine::testing::stepSeconds(0.3f);
    settle();
    EXPECT_EQ(events()->table()->usedCellCount(), 0u);
    EXPECT_TRUE(events()->widget("shoujilabel")->isVisible());
    EXPECT_FALSE(events()->titleSprite()->isVisible());
    engine::testing::pressBack();
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2) << "the back key leaves";
}

TEST_F(EventScreenTest, AnswersAfterThePlayerLeftShowNothing) {
    enter(17);
    CEventLayer* layer = events();
    layer->retain();
    SceneDirector::instance().switchTo(2);
    engine::testing::stepSeconds(0.3f);
    layer->onJoinAnswer(0);
    layer->onJoinAnswer(1);
    GameData::instance().events.clear();
    layer->onEventList(0);
    EXPECT_TRUE(allOf<CMyMessageBox>(layer).empty());
    EXPECT_EQ(layer->table()->usedCellCount(), 2u);
    // A row whose event went from the list does nothing.
    layer->join(1);
    EXPECT_TRUE(logged("event 1"));
    layer->release();
}

} // namespace

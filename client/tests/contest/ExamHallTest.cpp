// The exam hall: its buttons, sitting the exam (the exam's own list first, the face-off, then
// play) and the refusals a player meets when he has sat it already or it is closed.
#include "app/SceneDirector.h"
#include "contest/CHD_ExamLayer.h"
#include "contest/CHD_LoadingLayer.h"
#include "contest/TeamExamSupport.h"
#include "net/GameData.h"
#include "net/MsgResponse.h"
#include "quiz/QuizData.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/CTipBox.h"

#include <json/writer.h>

#include "testing/EngineTesting.h"

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

class ExamHallTest : public TeamExamTest {
protected:
    CHD_ExamLayer* hall() { return screen<CHD_ExamLayer>(); }
    void tap(const char* name) {
        ASSERT_NE(hall(), nullptr);
        UIWidget* w = hall()->widget(name);
        ASSERT_NE(w, nullptr) << name;
        const CCSize size = w->getContentSize();
        const CCPoint at = w->convertToWorldSpace(ccp(size.width / 2, size.height / 2));
        engine::testing::tap(at.x, at.y);
        ASSERT_TRUE(pumpUntilIdle());
        engine::testing::stepFrames(2);
    }
    void feedSchedule() {
        Json::Value answer;
        answer["system"] = 26;
        answer["response"] = 1;
        answer["matchact"] = examDay();
        int code = -1;
        ASSERT_TRUE(MsgResponse::instance().OnResPonse(Json::FastWriter().write(answer), 38, &code));
    }
    CHD_LoadingLayer* faceOff() { return findIn<CHD_LoadingLayer>(hall()); }
};

TEST_F(ExamHallTest, ButtonsLeadBackToTheHallToTheRulesAndToTheExamRanking) {
    GameData::instance().opponent = ContestOpponent{"小红", 45, 5};
    GameData::instance().explains = {Explain{5, "组队规则"}, Explain{7, "考试规则：每天一次，共十题。"}};
    ASSERT_NO_FATAL_FAILURE(enterFrom(21, 29));
    ASSERT_NE(hall(), nullptr);
    EXPECT_EQ(GameData::instance().opponent.name, "") << "entering forgets the last contest's opponent";
    EXPECT_EQ(GameData::instance().opponent.qscount, 0);

    ASSERT_NO_FATAL_FAILURE(tap("Button_guize"));
    CTipBox* rules = findIn<CTipBox>(hall());
    ASSERT_NE(rules, nullptr);
    EXPECT_TRUE(holdsText(rules, "    考试规则：每天一次，共十题。")) << "the exam's rules, ui id 7";
    rules->removeFromParent();

    ASSERT_NO_FATAL_FAILURE(tap("Button_rank"));
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 24);
    EXPECT_EQ(SceneDirector::instance().previousSceneId(), 29) << "the ranking knows it is the exam's";

    SceneDirector::instance().switchTo(29);
    engine::testing::stepSeconds(0.3f);
    ASSERT_NO_FATAL_FAILURE(tap("Button_back"));
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 21);
    EXPECT_TRUE(sent(48).empty()) << "none of these sits the exam";
}

TEST_F(ExamHallTest, BothCardsAskTheExamsListThenFaceOffForFourSecondsIntoPlay) {
    for (const char* card : {"Button_weekexam", "Button_monthexam"}) {
        SCOPED_TRACE(card);
        ASSERT_NO_FATAL_FAILURE(feedSchedule());
        GameData::instance().teamMatchStatus = 0;
        answers().idList = Json::Value(Json::arrayValue);
        for (int id = 501; id <= 510; ++id) answers().idList.append(id);
        const std::size_t before = sent(48).size();
        ASSERT_NO_FATAL_FAILURE(enterFrom(21, 29));
        ASSERT_NO_FATAL_FAILURE(tap(card));
        const auto asked = sent(48);
        ASSERT_EQ(asked.size(), before + 1);
        EXPECT_EQ(asked.back()["matchtype"].asInt(), 4);
        EXPECT_EQ(asked.back()["matchid"].asInt(), 20261209) << "the exam entry's id, not the team match's";
        EXPECT_EQ(QuizData::instance().qsidQueue.size(), 10u);
        EXPECT_EQ(GameData::instance().teamMatchStatus, 0) << "an exam's list says nothing about teams";

        CHD_LoadingLayer* shown = faceOff();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->kind(), CHD_LoadingLayer::kExam);
        EXPECT_EQ(shown->getZOrder(), CHD_ExamLayer::kFaceOffZ);
        // A second tap under the face-off sits nothing twice.
        ASSERT_NO_FATAL_FAILURE(tap(card));
        EXPECT_EQ(sent(48).size(), before + 1);

        engine::testing::stepSeconds(3.8f);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), 29);
        engine::testing::stepSeconds(0.3f);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), 22);
        // Leave play at once: these questions are another test's.
        QuizData::instance().qsidQueue.clear();
        SceneDirector::instance().switchTo(21);
        engine::testing::stepSeconds(0.3f);
        ASSERT_TRUE(pumpUntilIdle());
    }
}

TEST_F(ExamHallTest, ARefusedListIsToldAndTheCardsWorkAgain) {
    ASSERT_NO_FATAL_FAILURE(feedSchedule());
    struct Case {
        std::string tip, shown;
    };
    for (const Case& c : {Case{"今天的考试您已经参加过了", "今天的考试您已经参加过了"}, Case{"", text("HDExamRefused")}}) {
        SCOPED_TRACE(c.shown);
        answers().listResponse = 0;
        answers().listTip = c.tip;
        ASSERT_NO_FATAL_FAILURE(enterFrom(21, 29));
        ASSERT_NO_FATAL_FAILURE(tap("Button_weekexam"));
        EXPECT_NE(boxSaying(c.shown), nullptr);
        EXPECT_EQ(faceOff(), nullptr);
        EXPECT_FALSE(hall()->sitting());
        engine::testing::stepSeconds(4.5f);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), 29) << "no play without questions";
        pressSure(boxSaying(c.shown));
        engine::testing::stepFrames(2);
        EXPECT_EQ(boxSaying(c.shown), nullptr);
    }
    // Open again: the same card now sits the exam.
    answers().listResponse = 1;
    answers().listTip.clear();
    answers().idList = Json::Value(Json::arrayValue);
    answers().idList.append(601);
    ASSERT_NO_FATAL_FAILURE(tap("Button_weekexam"));
    EXPECT_NE(faceOff(), nullptr);
    QuizData::instance().qsidQueue.clear();
}

TEST_F(ExamHallTest, WithoutTheScheduleTheHallFetchesItBeforeAskingTheList) {
    GameData::instance().matchSchedule.clear();
    answers().idList = Json::Value(Json::arrayValue);
    answers().idList.append(701);
    ASSERT_NO_FATAL_FAILURE(enterFrom(21, 29));
    ASSERT_NO_FATAL_FAILURE(tap("Button_monthexam"));
    EXPECT_EQ(sent(26).size(), 1u);
    const auto asked = sent(48);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked.back()["matchid"].asInt(), 20261209);
    EXPECT_NE(faceOff(), nullptr);

    // A day without an exam entry: told, nothing asked.
    ASSERT_NO_FATAL_FAILURE(enterFrom(21, 29));
    GameData::instance().matchSchedule.clear();
    answers().schedule = Json::Value(Json::arrayValue);
    ASSERT_NO_FATAL_FAILURE(tap("Button_monthexam"));
    EXPECT_EQ(sent(48).size(), 1u);
    EXPECT_NE(boxSaying(text("HDExamRefused")), nullptr);
    QuizData::instance().qsidQueue.clear();
}

} // namespace

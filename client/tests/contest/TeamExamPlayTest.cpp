// Team rounds and exams in the contest play scene: the ordinary question chain with the contest's
// requests, the next question after each verdict, the waiting cover at the end of a team's
// questions, the results of both, the result dialog's way out and leaving early.
#include "app/SceneDirector.h"
#include "contest/CHD_PlayLayer.h"
#include "contest/CHD_PlayLayerColorCover.h"
#include "contest/CHD_ResultLayer.h"
#include "contest/TeamExamSupport.h"
#include "net/GameData.h"
#include "quiz/AnswerBox.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

class TeamExamPlayTest : public TeamExamTest {
protected:
    CCNode* teamCover() const {
        CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
        return scene ? scene->getChildByTag(CQuestionMission::kWaitingCoverTag) : nullptr;
    }
    std::vector<int> fetched(int matchType, int matchId) {
        std::vector<int> ids;
        for (const Json::Value& r : sent(46)) {
            EXPECT_EQ(r["matchtype"].asInt(), matchType);
            EXPECT_EQ(r["matchid"].asInt(), matchId);
            ids.push_back(r["qsid"].asInt());
        }
        return ids;
    }
    std::vector<std::string> answered(int matchType, int matchId) {
        std::vector<std::string> given;
        for (const Json::Value& r : sent(47)) {
            EXPECT_EQ(r["matchtype"].asInt(), matchType);
            EXPECT_EQ(r["matchid"].asInt(), matchId);
            given.push_back(r["answer"].asString());
        }
        return given;
    }
};

TEST_F(TeamExamPlayTest, AnExamPlaysItsWholeListAndEndsInItsOwnResult) {
    // A wall due at the next answer count must not stop an exam.
    GameData::instance().sdkPlats = {SdkPlat{}};
    GameData::instance().sdkPlats[0].index = GameData::instance().user.answerCount + 1;
    // The team round comes first in the answer; the exam's line is the one shown.
    answers().prizes.append(prize(2, 0, 50, 4, 1, 40, 300, 61));
    answers().prizes.append(prize(4, 1, 6, 3, 1, 30, 0, 47));
    CHD_PlayLayer* play = enterExamPlay({901, 902, 903, 904});
    ASSERT_NE(play, nullptr);
    EXPECT_NE(play->getChildByTag(CHD_PlayLayer::kLayoutTag), nullptr) << "the exam plays on the play layout";
    EXPECT_EQ(play->questionTotal(), 4);
    EXPECT_EQ(QuizData::instance().currentQsid, 901);

    const bool rightAnswers[] = {true, false, true, true};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        ASSERT_EQ(QuizData::instance().currentQsid, 901 + k);
        EXPECT_EQ(play->questionCounter(), k + 1);
        ASSERT_NO_FATAL_FAILURE(answerShown(rightAnswers[k]));
        auto* cover = dynamic_cast<CHD_PlayLayerColorCover*>(play->getChildByTag(CHD_PlayLayer::kAnswerCoverTag));
        ASSERT_NE(cover, nullptr) << "the verdict's mark";
        EXPECT_EQ(findIn<AnswerBox>(play), nullptr) << "no single-player answer box in a contest";
        // The mark stands a moment; the next question follows by itself.
        ASSERT_NO_FATAL_FAILURE(wait(1.2f));
        EXPECT_EQ(sent(46).size(), static_cast<std::size_t>(k + 1));
        ASSERT_NO_FATAL_FAILURE(wait(0.6f));
    }
    EXPECT_EQ(fetched(4, 20261209), (std::vector<int>{901, 902, 903, 904}));
    EXPECT_EQ(answered(4, 20261209),
              (std::vector<std::string>{rightOf(901), answersOf(902)[3], rightOf(903), rightOf(904)}));
    EXPECT_TRUE(sent(2).empty());
    EXPECT_TRUE(sent(3).empty());
    EXPECT_TRUE(sent(4).empty()) << "no single-player list when the exam's is used up";
    EXPECT_EQ(sent(49).size(), 1u);

    CHD_ResultLayer* dialog = play->resultDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->mode(), 4);
    EXPECT_EQ(dialog->own().right, 3);
    EXPECT_EQ(dialog->own().wrong, 1);
    EXPECT_EQ(dialog->own().rewardAmount, 6);
    EXPECT_EQ(dialog->own().name, "阿明");
    EXPECT_EQ(GameData::instance().user.money, 36 + 6) << "the carrots are the player's at once";
    dialog->pressSure();
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 29) << "back to the exam hall";
}

TEST_F(TeamExamPlayTest, ATimedOutExamQuestionCountsWrongAndTheExamGoesOn) {
    CHD_PlayLayer* play = enterExamPlay({911, 912});
    ASSERT_NE(play, nullptr);
    ASSERT_EQ(QuizData::instance().currentQsid, 911);
    ASSERT_NO_FATAL_FAILURE(wait(41.0f));
    const auto given = answered(4, 20261209);
    ASSERT_EQ(given.size(), 1u);
    EXPECT_EQ(given[0], "-1");
    ASSERT_NO_FATAL_FAILURE(wait(2.0f));
    EXPECT_EQ(QuizData::instance().currentQsid, 912);
    EXPECT_FALSE(QuestionStage::instance().current()->isAnswered()) << "the next question can be answered";
}

TEST_F(TeamExamPlayTest, AnExamWithoutAResultLineStillLetsThePlayerBackToTheHall) {
    answers().prizes.append(prize(2, 0, 50, 4, 1, 40, 300, 61));
    CHD_PlayLayer* play = enterExamPlay({921});
    ASSERT_NE(play, nullptr);
    ASSERT_NO_FATAL_FAILURE(answerShown(true));
    ASSERT_NO_FATAL_FAILURE(wait(2.0f));
    EXPECT_EQ(play->resultDialog(), nullptr) << "a team round's line is no exam result";
    CMyMessageBox* box = boxSaying(text("HDExamNoResult"));
    ASSERT_NE(box, nullptr);
    pressSure(box);
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 29);
}

TEST_F(TeamExamPlayTest, ATeamRoundGoesOnAfterEachVerdictThenWaitsUnderTheCoverForItsEnd) {
    CHD_PlayLayer* play = enterTeamPlay({931, 932, 933});
    ASSERT_NE(play, nullptr);
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        ASSERT_EQ(QuizData::instance().currentQsid, 931 + k);
        ASSERT_NO_FATAL_FAILURE(answerShown(k != 1));
        EXPECT_EQ(findIn<AnswerBox>(play), nullptr);
        ASSERT_NO_FATAL_FAILURE(wait(2.0f));
    }
    EXPECT_EQ(fetched(2, 77), (std::vector<int>{931, 932, 933}));
    EXPECT_EQ(answered(2, 77).size(), 3u);
    EXPECT_NE(teamCover(), nullptr) << "the team waits for the round's end";
    EXPECT_TRUE(sent(4).empty());
    EXPECT_TRUE(sent(49).empty());

    // The round's end: the team's line is taken, though the exam's comes first.
    answers().prizes.append(prize(4, 1, 6, 3, 7, 30, 0, 47));
    answers().prizes.append(prize(2, 1, 30, 2, 1, 20, 310, 58));
    pushText(R"({"system":10,"teammatchstatus":4})");
    EXPECT_EQ(teamCover(), nullptr);
    ASSERT_TRUE(pumpUntilIdle());
    engine::testing::stepFrames(2);
    pushText(R"({"system":10,"teammatchstatus":4})");
    EXPECT_EQ(sent(49).size(), 1u) << "once per match";
    CHD_ResultLayer* dialog = play->resultDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->mode(), 2);
    EXPECT_EQ(dialog->own().outcome, 310);
    EXPECT_EQ(dialog->own().right, 2);
    EXPECT_EQ(dialog->own().name, "兔子队");
    EXPECT_EQ(GameData::instance().user.money, 36 + 30);
    // The waiting cover must not come back over the result.
    ASSERT_NO_FATAL_FAILURE(wait(3.0f));
    EXPECT_EQ(teamCover(), nullptr);
    dialog->pressSure();
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 25);
}

TEST_F(TeamExamPlayTest, TheRoundsEndOvertakingTheLastVerdictShowsNoSinglePlayerBox) {
    answers().prizes.append(prize(2, 0, 10, 1, 0, 10, 90, 12));
    CHD_PlayLayer* play = enterTeamPlay({941});
    ASSERT_NE(play, nullptr);
    // The heartbeat's status is stored before the verdict comes.
    GameData::instance().teamMatchStatus = 4;
    ASSERT_NO_FATAL_FAILURE(answerShown(true));
    EXPECT_EQ(findIn<AnswerBox>(play), nullptr);
    EXPECT_NE(play->getChildByTag(CHD_PlayLayer::kAnswerCoverTag), nullptr);
    ASSERT_NO_FATAL_FAILURE(wait(2.0f));
    EXPECT_TRUE(sent(4).empty());
    EXPECT_TRUE(sent(2).empty());
}

TEST_F(TeamExamPlayTest, LeavingTellsTheServerAndGoesToEachModesHall) {
    struct Case {
        bool exam;
        int matchType, hall;
    };
    for (const Case& c : {Case{true, 4, 29}, Case{false, 2, 25}}) {
        SCOPED_TRACE(c.matchType);
        const std::size_t before = sent(27, 4).size();
        CHD_PlayLayer* play = c.exam ? enterExamPlay({951, 952}) : enterTeamPlay({951, 952});
        ASSERT_NE(play, nullptr);
        play->openPauseMenu();
        EXPECT_TRUE(QuestionStage::instance().current()->isAnswered()) << "the question is locked while the box asks";
        play->confirmLeave();
        ASSERT_TRUE(pumpUntilIdle());
        engine::testing::stepSeconds(0.3f);
        const auto left = sent(27, 4);
        ASSERT_EQ(left.size(), before + 1);
        EXPECT_EQ(left.back()["matchtype"].asInt(), c.matchType);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), c.hall);
        QuizData::instance().qsidQueue.clear();
    }
}

TEST_F(TeamExamPlayTest, StayingAfterTheLeaveBoxKeepsTheExamGoing) {
    CHD_PlayLayer* play = enterExamPlay({961, 962});
    ASSERT_NE(play, nullptr);
    ASSERT_NO_FATAL_FAILURE(answerShown(true));
    play->openPauseMenu();
    play->cancelLeave();
    ASSERT_NO_FATAL_FAILURE(wait(2.0f));
    EXPECT_EQ(QuizData::instance().currentQsid, 962) << "staying does not stop the exam";
}

} // namespace

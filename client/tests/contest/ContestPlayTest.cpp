// Contest play: real contests against the real server for the marks of both verdicts and the
// covers between questions; made-up questions on the manual clock for the answering time, the
// clock worked out from elapsed time and what the server never sends.
#include "app/SceneDirector.h"
#include "contest/CHD_CQuestionMission.h"
#include "contest/CHD_LayerColorCover.h"
#include "contest/CHD_PlayLayer.h"
#include "contest/CHD_PlayLayerColorCover.h"
#include "contest/ContestPlaySupport.h"
#include "net/GameData.h"
#include "quiz/CAddAnswerMenu.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"

#include "testing/EngineTesting.h"

#include <cmath>

USING_NS_CC;
using namespace test_support;

namespace {

class ContestPlayAnswerTest : public ContestPlayTest {
protected:
    CHD_PlayLayerColorCover* answerCover() const {
        return dynamic_cast<CHD_PlayLayerColorCover*>(contestLayer()->getChildByTag(CHD_PlayLayer::kAnswerCoverTag));
    }
    CCNode* waitingCover() const { return contestLayer()->getChildByTag(CHD_CQuestionMission::kWaitingCoverTag); }
    std::string clockText() const { return contestLayer()->clockLabel()->getString(); }
};

// A whole contest against the real server, the remote player answering the other side.
class ContestPlayAnswerServerTest : public ContestPlayServerTest {
protected:
    CHD_PlayLayerColorCover* answerCover() const {
        return dynamic_cast<CHD_PlayLayerColorCover*>(contestLayer()->getChildByTag(CHD_PlayLayer::kAnswerCoverTag));
    }
    CCNode* waitingCover() const { return contestLayer()->getChildByTag(CHD_CQuestionMission::kWaitingCoverTag); }
    std::string clockText() const { return contestLayer()->clockLabel()->getString(); }
    int optionShowing(const std::string& text) const {
        if (answerMenu() == nullptr) return -1;
        for (int k = 0; k < CAddAnswerMenu::kOptionCount; ++k) {
            if (answerMenu()->label(k) && answerMenu()->label(k)->getString() == text) return k;
        }
        return -1;
    }
};

// Made-up questions: the answering time is the client's own arithmetic on the manual clock, frame
// by frame, which a real contest's draw and timing would only blur.
TEST_F(ContestPlayAnswerTest, AnswersGoOutWithTheirTimeInTenthsBetweenAHundredthAndForty) {
    ASSERT_NE(enterContest(23), nullptr);
    struct Case {
        int qsid;
        int frames;
        float frameSeconds;
        double spendtime;
    };
    // 3 frames of 1/60 s; one frame of 3.47 s; one of 52 s, past the clock, as a tap racing the time-out.
    const Case cases[] = {{701, 3, 1.0f / 60, 0.01}, {702, 1, 3.47f, 3.4}, {703, 1, 52.0f, 40.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.qsid);
        showQuestion(c.qsid);
        ASSERT_EQ(QuizData::instance().currentQsid, c.qsid);
        engine::testing::stepFrames(c.frames, c.frameSeconds);
        tapOption(2);
        const auto sent = requests(30);
        ASSERT_FALSE(sent.empty());
        const Json::Value& last = sent.back();
        EXPECT_EQ(last["qsid"].asInt(), c.qsid);
        EXPECT_EQ(last["answer"].asString(), answersOf(c.qsid)[2]);
        EXPECT_EQ(last["matchtype"].asInt(), 1);
        EXPECT_DOUBLE_EQ(last["spendtime"].asDouble(), c.spendtime);
    }
    EXPECT_EQ(requests(30).size(), 3u);
    EXPECT_TRUE(requests(3).empty()) << "a contest answer never goes out as a single-player answer";
}

// Made-up question: the race lies within one frame, and the test server records what went out.
TEST_F(ContestPlayAnswerTest, ATimeOutRacingATapIsNotSentTwice) {
    ASSERT_NE(enterContest(23), nullptr);
    showQuestion(711);
    tapOption(1);
    // The clock runs out in the same frame, before the verdict is back.
    CQuestionMission::instance()->submitAnswer("-1", 0, 0, -1);
    const auto sent = requests(30);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0]["answer"].asString(), answersOf(711)[1]);
    EXPECT_TRUE(requests(3).empty());
    // Nor does the clock send it once the verdict is in.
    engine::testing::stepFrames(45, 1.0f);
    EXPECT_EQ(requests(30).size(), 1u);
}

// Made-up push: the server sends "flag" 0 only to a player silent for 30 s of its real time.
TEST_F(ContestPlayAnswerTest, AQuestionThatCanOnlyBeSeenStaysCoveredAndItsTimeOutIsNotSent) {
    CHD_PlayLayer* play = enterContest(23);
    ASSERT_NE(play, nullptr);
    showQuestion(721, 0);
    EXPECT_EQ(QuizData::instance().currentQsid, 721);
    ASSERT_NE(answerMenu(), nullptr) << "the question is drawn";
    ASSERT_NE(dynamic_cast<CHD_LayerColorCover*>(waitingCover()), nullptr);
    EXPECT_EQ(waitingCover()->getZOrder(), CHD_CQuestionMission::kWaitingCoverZ);
    tapOption(0);
    EXPECT_TRUE(requests(30).empty()) << "the cover takes the tap";
    // The clock still runs down, and its time-out stays home.
    engine::testing::stepFrames(43, 1.0f);
    EXPECT_EQ(clockText(), "0");
    EXPECT_TRUE(play->hasTimedOut());
    EXPECT_TRUE(requests(30).empty());
    EXPECT_TRUE(requests(3).empty());
    // The next question takes the cover away.
    showQuestion(722);
    EXPECT_EQ(waitingCover(), nullptr);
    tapOption(3);
    EXPECT_EQ(requests(30).size(), 1u);
}

// Made-up question: the clock's arithmetic on long frames of the manual clock.
TEST_F(ContestPlayAnswerTest, TheClockIsWorkedOutFromTheTimeSinceTheQuestionCame) {
    CHD_PlayLayer* play = enterContest(28);
    ASSERT_NE(play, nullptr);
    showQuestion(731);
    EXPECT_EQ(clockText(), "40");
    engine::testing::stepFrames(1);
    // One long frame: the next tick shows what is really left, not one second less.
    engine::testing::stepFrames(1, 25.0f);
    EXPECT_EQ(clockText(), "14");
    EXPECT_EQ(effectCount("Carrot.mp3"), 0);
    engine::testing::stepFrames(1, 6.0f);
    EXPECT_EQ(clockText(), "8");
    EXPECT_EQ(effectCount("Carrot.mp3"), 1);
    // A penalty sticks: the next tick does not give the six seconds back.
    play->timePenalty();
    EXPECT_EQ(clockText(), "2");
    engine::testing::stepFrames(1, 1.0f);
    EXPECT_EQ(clockText(), "1");
    engine::testing::stepFrames(2, 1.0f);
    EXPECT_TRUE(play->hasTimedOut());
    const auto sent = requests(30);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0]["answer"].asString(), "-1");
    EXPECT_EQ(sent[0]["matchtype"].asInt(), 3);
    EXPECT_NEAR(sent[0]["spendtime"].asDouble(), 34.0, 0.25);
}

// Made-up pushes: the server never sends a question while another is open, nor more than five.
TEST_F(ContestPlayAnswerTest, AQuestionPushedWhileAnotherIsShownReplacesItAtTheNextPoll) {
    CHD_PlayLayer* play = enterContest(23);
    ASSERT_NE(play, nullptr);
    EXPECT_NE(play->getChildByTag(CHD_PlayLayer::kJoiningTag), nullptr) << "the opponent is joining";
    EXPECT_EQ(std::string(play->counterLabel()->getString()), "0/5");
    showQuestion(741);
    EXPECT_EQ(play->getChildByTag(CHD_PlayLayer::kJoiningTag), nullptr);
    EXPECT_EQ(std::string(play->tipLabel()->getString()), "第741题");
    EXPECT_EQ(std::string(play->counterLabel()->getString()), "1/5");
    pushQuestion(742);
    EXPECT_EQ(QuizData::instance().currentQsid, 741) << "not before the poll";
    engine::testing::stepSeconds(0.25f);
    EXPECT_EQ(QuizData::instance().currentQsid, 742);
    EXPECT_EQ(std::string(play->tipLabel()->getString()), "第742题");
    EXPECT_EQ(std::string(play->counterLabel()->getString()), "2/5");
    EXPECT_EQ(answerMenu()->label(0)->getString(), answersOf(742)[0]);
    // A long question stays on its one line between the clock and the options.
    pushQuestion(743, 1, std::string(40, 'W') + "？");
    engine::testing::stepSeconds(0.25f);
    EXPECT_LE(play->tipLabel()->boundingBox().size.width, 761);
    // The counter never passes the contest's total.
    for (int qsid = 744; qsid < 750; ++qsid) showQuestion(qsid);
    EXPECT_EQ(std::string(play->counterLabel()->getString()), "5/5");
}

TEST_F(ContestPlayAnswerServerTest, OneToOneMarksTheOptionsAndCoversTheScreenUntilTheNextQuestion) {
    ASSERT_NO_FATAL_FAILURE(signUp());
    CHD_PlayLayer* play = beginOneToOne();
    ASSERT_NE(play, nullptr);
    const int first = QuizData::instance().currentQsid;
    EXPECT_EQ(m_question["qsid"].asInt(), first) << "the same question to both";
    // The server draws any text choice; the marks sit at the options where the screen has four.
    const int rightOption = optionShowing(bankRight(first));
    ASSERT_NO_FATAL_FAILURE(clientAnswers(true));
    CHD_PlayLayerColorCover* cover = answerCover();
    ASSERT_NE(cover, nullptr);
    EXPECT_EQ(cover->getZOrder(), 100);
    EXPECT_EQ(cover->markPicture(CHD_PlayLayerColorCover::kOwnMarkTag), "select_right.png");
    if (rightOption >= 0) {
        const CCPoint chosen = worldOf(answerMenu()->item(rightOption));
        const CCPoint mark = worldOf(cover->getChildByTag(CHD_PlayLayerColorCover::kOwnMarkTag));
        EXPECT_NEAR(mark.y, chosen.y, 1);
        EXPECT_GT(mark.x, chosen.x) << "at the option the player chose";
    }
    EXPECT_TRUE(QuestionStage::instance().current()->isAnswered());
    const std::string stopped = clockText();
    engine::testing::stepFrames(2, 1.0f);
    EXPECT_EQ(clockText(), stopped) << "the verdict stops the clock";

    // The opponent answers wrong: its verdict marks the option it chose, then the next question
    // comes at once and takes the cover away.
    const std::string theirs = bankWrong(first, m_question["answer"]);
    remoteAnswers(false);
    ASSERT_TRUE(until([&] {
        return answerCover() != nullptr &&
               answerCover()->getChildByTag(CHD_PlayLayerColorCover::kOpponentMarkTag) != nullptr;
    })) << "no verdict of the opponent";
    EXPECT_EQ(answerCover()->markPicture(CHD_PlayLayerColorCover::kOpponentMarkTag), "select_error.png");
    const int theirOption = optionShowing(theirs);
    if (theirOption >= 0) {
        const CCPoint marked = worldOf(answerCover()->getChildByTag(CHD_PlayLayerColorCover::kOpponentMarkTag));
        EXPECT_NEAR(marked.y, worldOf(answerMenu()->item(theirOption)).y, 1);
    }
    EXPECT_TRUE(logged("=========n====" + theirs));
    ASSERT_TRUE(until([&] { return QuizData::instance().currentQsid != first; })) << "no next question";
    EXPECT_EQ(waitingCover(), nullptr);
    EXPECT_EQ(answerCover(), nullptr);
    EXPECT_FALSE(QuestionStage::instance().current()->isAnswered());
    EXPECT_EQ(std::string(play->counterLabel()->getString()), "2/5");
}

TEST_F(ContestPlayAnswerServerTest, TheWaitingCoverPromisedAfterAVerdictDoesNotFallOnTheNextQuestion) {
    ASSERT_NO_FATAL_FAILURE(signUp());
    ASSERT_NE(beginOneToOne(), nullptr);
    const int first = QuizData::instance().currentQsid;
    // The opponent has answered already: the next question comes as soon as the player answers.
    remoteAnswers(true);
    ASSERT_NO_FATAL_FAILURE(clientAnswers(false));
    ASSERT_NE(answerCover(), nullptr);
    ASSERT_TRUE(until([&] { return QuizData::instance().currentQsid != first; }));
    engine::testing::stepSeconds(2.5f);
    EXPECT_EQ(waitingCover(), nullptr);
    EXPECT_EQ(answerCover(), nullptr);
    ASSERT_NO_FATAL_FAILURE(clientAnswers(true));
    EXPECT_EQ(served(30).size(), 2u);
}

// Made-up answers: a "fail" for any tap, and a verdict pushed in a heartbeat, which the server
// never sends.
TEST_F(ContestPlayAnswerTest, ChallengeMarksTheCoverMiddleAndAPushedVerdictCountsTheSame) {
    CHD_PlayLayer* play = enterContest(28);
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(std::string(play->answeredLabel()->getString()), "0/5");
    showQuestion(771);
    EXPECT_EQ(std::string(play->answeredLabel()->getString()), "1/5");
    m_verdict = "fail";
    tapOption(3);
    ASSERT_TRUE(pumpUntilIdle());
    ASSERT_NE(answerCover(), nullptr);
    EXPECT_EQ(answerCover()->markPicture(CHD_PlayLayerColorCover::kOwnMarkTag), "answer_error.png");
    const CCPoint mark = worldOf(answerCover()->getChildByTag(CHD_PlayLayerColorCover::kOwnMarkTag));
    EXPECT_NEAR(mark.x, 480, 1);
    EXPECT_NEAR(mark.y, 420, 1);
    engine::testing::stepSeconds(2.5f);
    EXPECT_EQ(waitingCover(), nullptr) << "only one-to-one waits under the cover";

    showQuestion(772);
    EXPECT_EQ(answerCover(), nullptr);
    pushText(R"({"system":30,"response":"success","qsid":772,"answer":"甲772","addscore":10,"score":90,"money":5,
             "level":3,"levelupscore":100,"answercount":12,"teammatchstatus":0})");
    ASSERT_NE(answerCover(), nullptr);
    EXPECT_EQ(answerCover()->markPicture(CHD_PlayLayerColorCover::kOwnMarkTag), "answer_right.png");
    EXPECT_EQ(GameData::instance().user.score, 90);
    EXPECT_TRUE(QuestionStage::instance().current()->isAnswered());
}

// Made-up push: a "flag" 0 question (see above).
TEST_F(ContestPlayAnswerTest, TheWaitingCoverLeavesOnlyTheTopRightCornerOpen) {
    EXPECT_TRUE(CHD_LayerColorCover::claims(ccp(480, 320)));
    EXPECT_TRUE(CHD_LayerColorCover::claims(ccp(779, 550)));
    EXPECT_TRUE(CHD_LayerColorCover::claims(ccp(830, 601)));
    EXPECT_FALSE(CHD_LayerColorCover::claims(ccp(781, 501)));
    EXPECT_FALSE(CHD_LayerColorCover::claims(ccp(879, 599)));
    // The way out of a one-to-one contest lies in that corner.
    CHD_PlayLayer* play = enterContest(23);
    ASSERT_NE(play, nullptr);
    showQuestion(781, 0);
    tapNode(play->backButton());
    EXPECT_NE(play->getChildByTag(CHD_PlayLayer::kLeaveBoxTag), nullptr);
}

// Made-up pushes: questions of kinds the server never draws for a contest, and one after it.
TEST_F(ContestPlayAnswerTest, AQuestionOfAnUnknownKindOrOutsideAContestIsDropped) {
    // Late, on the main menu: it must not turn up as the next single-player question.
    SceneDirector::instance().switchTo(2);
    engine::testing::stepSeconds(0.3f);
    pushQuestion(790);
    EXPECT_TRUE(QuizData::instance().questionQueue.empty());
    CHD_PlayLayer* play = enterContest(23);
    ASSERT_NE(play, nullptr);
    pushText(R"({"system":29,"qsid":791,"flag":1,"gametype":1,"playtype":99,"question":"?","teammatchstatus":0})");
    pushText(R"({"system":29,"qsid":792,"flag":1,"gametype":7,"playtype":1,"question":"?","teammatchstatus":0})");
    engine::testing::stepSeconds(0.25f);
    EXPECT_TRUE(QuizData::instance().questionQueue.empty());
    EXPECT_EQ(QuestionStage::instance().current(), nullptr);
    EXPECT_FALSE(play->isRunning());
    showQuestion(793);
    EXPECT_EQ(QuizData::instance().currentQsid, 793);
}

} // namespace

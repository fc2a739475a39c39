// Contest play drawn for real (offscreen OpenGL): one-to-one waiting for the opponent, a question
// with both players' names, levels and the clock, the marks, the waiting cover, the still-answering
// banner, the result won and lost, the opponent who fled, and the challenge layout. Pixels are
// probed where each part must show; with BRINDLE_SHOT_DIR set every frame is saved as a PNG.
#include "contest/CHD_CQuestionMission.h"
#include "contest/CHD_PlayLayer.h"
#include "app/SceneDirector.h"
#include "contest/ContestPlaySupport.h"
#include "quiz/QuizData.h"
#include "quiz/RenderSupport.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

class ContestPlayRenderTest : public ContestPlayTest {
protected:
    void beforePictures() override { m_gl = useOpenGL(); }
    void SetUp() override {
        ContestPlayTest::SetUp();
        if (m_gl == nullptr) GTEST_SKIP() << "no OpenGL context (SDL_VIDEODRIVER=offscreen)";
    }
    Frame shoot(const std::string& name) { return shootScene(m_gl, name); }
    void question(int qsid) {
        pushQuestion(qsid, 1, "光在真空中的速度约为每秒多少公里？");
        engine::testing::stepSeconds(0.3f);
    }
    GLRenderer* m_gl = nullptr;
};

TEST_F(ContestPlayRenderTest, OneToOneFromWaitingToTheMarks) {
    CHD_PlayLayer* play = enterContest(23);
    ASSERT_NE(play, nullptr);
    Frame waiting = shoot("contest_waiting_opponent");
    question(801);
    engine::testing::stepSeconds(2.6f); // past the clock's light trail
    Frame shown = shoot("contest_question");
    // The joining notice has gone from the middle; the options stand there now.
    EXPECT_GT(shown.differences(waiting, 380, 300, 580, 340), 50);
    // Both nicknames are written on the head band.
    play->nameLabel(0)->setVisible(false);
    play->nameLabel(1)->setVisible(false);
    Frame nameless = shootScene(m_gl, "");
    play->nameLabel(0)->setVisible(true);
    play->nameLabel(1)->setVisible(true);
    EXPECT_GT(shown.differences(nameless, 160, 585, 240, 615), 20);
    EXPECT_GT(shown.differences(nameless, 720, 585, 800, 615), 20);

    tapOption(2);
    ASSERT_TRUE(pumpUntilIdle());
    pushText(R"({"system":31,"bright":0,"answer":"乙801","teammatchstatus":0})");
    engine::testing::stepSeconds(0.2f);
    Frame marked = shoot("contest_marks");
    EXPECT_GT(marked.differences(shown, 400, 150, 470, 220), 20) << "the player's mark on option C";
    EXPECT_GT(marked.differences(shown, 490, 350, 570, 430), 20) << "the opponent's mark on option B";

    pushText(R"({"system":32,"act":2,"teammatchstatus":0})");
    engine::testing::stepSeconds(0.2f);
    Frame banner = shoot("contest_still_answering");
    EXPECT_GT(banner.differences(marked, 300, 290, 660, 350), 50);

    engine::testing::stepSeconds(2.0f);
    Frame covered = shoot("contest_waiting_cover");
    EXPECT_LT(covered.at(100, 100).r + covered.at(100, 100).g, marked.at(100, 100).r + marked.at(100, 100).g)
        << "the window is dimmed";
}

TEST_F(ContestPlayRenderTest, ResultWonLostAndFled) {
    CHD_PlayLayer* play = enterContest(23);
    ASSERT_NE(play, nullptr);
    question(811);
    push(result("10001", "20002", 1));
    engine::testing::stepSeconds(1.0f);
    Frame won = shoot("contest_result_won");

    SceneDirector::instance().switchTo(23);
    engine::testing::stepSeconds(0.3f);
    play = enterContest(23);
    question(812);
    push(result("20002", "10001", 1));
    engine::testing::stepSeconds(1.0f);
    Frame lost = shoot("contest_result_lost");
    // Same layout, another badge and other columns.
    EXPECT_GT(won.differences(lost, 380, 500, 580, 560), 50);

    SceneDirector::instance().switchTo(23);
    engine::testing::stepSeconds(0.3f);
    play = enterContest(23);
    question(813);
    push(result("10001", "20002", 1, 1));
    engine::testing::stepSeconds(0.3f);
    shoot("contest_opponent_fled");
}

TEST_F(ContestPlayRenderTest, ChallengeLayout) {
    CHD_PlayLayer* play = enterContest(28);
    ASSERT_NE(play, nullptr);
    question(821);
    engine::testing::stepSeconds(2.6f);
    Frame shown = shoot("contest_challenge");
    m_verdict = "fail";
    tapOption(0);
    ASSERT_TRUE(pumpUntilIdle());
    engine::testing::stepSeconds(0.2f);
    Frame marked = shoot("contest_challenge_mark");
    EXPECT_GT(marked.differences(shown, 430, 370, 530, 470), 50) << "the big mark in the middle";
}

} // namespace

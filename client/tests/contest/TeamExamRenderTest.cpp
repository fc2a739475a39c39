// Rankings, the exam hall and team/exam play drawn for real through the offscreen GL context.
// Pixels are probed where each part must show; with BRINDLE_SHOT_DIR set every frame is saved as a
// PNG for a person to look at.
#include "app/SceneDirector.h"
#include "contest/CHD_ExamLayer.h"
#include "contest/CHD_PlayLayer.h"
#include "contest/CHD_RankOfHDLayer.h"
#include "contest/TeamExamSupport.h"
#include "net/GameData.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuizData.h"
#include "quiz/RenderSupport.h"

#include "render/GLRenderer.h"
#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

class TeamExamRenderTest : public TeamExamTest {
protected:
    void beforePictures() override { m_gl = useOpenGL(); }
    void SetUp() override {
        TeamExamTest::SetUp();
        if (m_gl == nullptr) GTEST_SKIP() << "no OpenGL context (SDL_VIDEODRIVER=offscreen)";
    }
    Frame shoot(const std::string& name) { return shootScene(m_gl, name); }
    GLRenderer* m_gl = nullptr;
};

TEST_F(TeamExamRenderTest, TheFourRankingsFilled) {
    answers().ranks[1] = playerRank(3, 8, false);
    answers().ranks[3] = playerRank(0, 8, false);
    answers().ranks[4] = playerRank(5, 8, true);
    answers().teamRank = teamRankAnswer(2, 8);
    const std::pair<int, const char*> halls[] = {
        {23, "rank_one_to_one"}, {28, "rank_challenge"}, {25, "rank_teams"}, {29, "rank_exam"}};
    for (const auto& [hall, name] : halls) {
        SCOPED_TRACE(name);
        ASSERT_NO_FATAL_FAILURE(enterFrom(hall, 24));
        engine::testing::stepSeconds(0.5f);
        Frame filled = shoot(name);
        auto* layer = screen<CHD_RankOfHDLayer>();
        ASSERT_NE(layer, nullptr);
        layer->table()->setVisible(false);
        Frame empty = shootScene(m_gl, "");
        layer->table()->setVisible(true);
        EXPECT_GT(filled.differences(empty, 100, 380, 500, 460), 100) << "rows are drawn";
        layer->ownLine()->setVisible(false);
        Frame withoutOwn = shootScene(m_gl, "");
        layer->ownLine()->setVisible(true);
        EXPECT_GT(filled.differences(withoutOwn, 200, 55, 760, 90), 50) << "the own line is drawn";
    }
}

TEST_F(TeamExamRenderTest, TheExamHall) {
    ASSERT_NO_FATAL_FAILURE(enterFrom(21, 29));
    engine::testing::stepSeconds(0.5f);
    shoot("exam_hall");
    answers().idList = Json::Value(Json::arrayValue);
    answers().idList.append(971);
    auto* hall = screen<CHD_ExamLayer>();
    ASSERT_NE(hall, nullptr);
    GameData::instance().matchSchedule.clear();
    hall->onSchedule(1); // nothing to sit on a day without the exam's entry
    engine::testing::stepSeconds(0.3f);
    shoot("exam_hall_refused");
}

TEST_F(TeamExamRenderTest, ExamAndTeamPlayMidQuestionTheWaitingCoverAndBothResults) {
    answers().prizes.append(prize(2, 1, 30, 4, 1, 40, 310, 58));
    answers().prizes.append(prize(4, 1, 14, 7, 3, 70, 0, 96));
    CHD_PlayLayer* play = enterExamPlay({981, 982});
    ASSERT_NE(play, nullptr);
    engine::testing::stepSeconds(3.0f);
    Frame exam = shoot("exam_play_question");
    ASSERT_NO_FATAL_FAILURE(answerShown(true));
    engine::testing::stepSeconds(0.2f);
    shoot("exam_play_marked");
    ASSERT_NO_FATAL_FAILURE(wait(1.6f));
    ASSERT_NO_FATAL_FAILURE(answerShown(false));
    ASSERT_NO_FATAL_FAILURE(wait(2.0f));
    ASSERT_NE(play->resultDialog(), nullptr);
    engine::testing::stepSeconds(0.5f);
    shoot("exam_result");
    play->resultDialog()->pressSure();
    engine::testing::stepSeconds(0.3f);

    play = enterTeamPlay({991, 992});
    ASSERT_NE(play, nullptr);
    engine::testing::stepSeconds(3.0f);
    shoot("team_play_question");
    ASSERT_NO_FATAL_FAILURE(answerShown(true));
    ASSERT_NO_FATAL_FAILURE(wait(1.8f));
    ASSERT_NO_FATAL_FAILURE(answerShown(true));
    ASSERT_NO_FATAL_FAILURE(wait(2.0f));
    CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
    ASSERT_NE(scene->getChildByTag(CQuestionMission::kWaitingCoverTag), nullptr);
    Frame waiting = shoot("team_play_waiting_cover");
    EXPECT_GT(waiting.differences(exam, 300, 280, 660, 360), 100) << "the cover stands in the middle";
    pushText(R"({"system":10,"teammatchstatus":4})");
    ASSERT_TRUE(pumpUntilIdle());
    engine::testing::stepSeconds(0.5f);
    ASSERT_NE(play->resultDialog(), nullptr);
    shoot("team_result");
}

} // namespace

// The play scene drawn for real (offscreen OpenGL): the header, the pause menu, the answer box with
// and without its advertisement, the wall. Pixels are probed where each part must show; with
// BRINDLE_SHOT_DIR set, every frame is also saved there as a PNG to look at.
#include "net/GameData.h"
#include "quiz/AnswerBox.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/PlayTestSupport.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "quiz/RenderSupport.h"
#include "quiz/addWallLayer.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

bool sameColour(ccColor3B a, ccColor3B b) {
    return std::abs(a.r - b.r) < 12 && std::abs(a.g - b.g) < 12 && std::abs(a.b - b.b) < 12;
}

class PlayScreensRenderTest : public PlayTest {
protected:
    void beforePictures() override { m_gl = useOpenGL(); }
    void SetUp() override {
        PlayTest::SetUp();
        if (m_gl == nullptr) GTEST_SKIP() << "no OpenGL context (SDL_VIDEODRIVER=offscreen)";
        // The game's own texts, so the pictures show what players read.
        setGameTexts();
        UserInfo& user = GameData::instance().user;
        user.infoFilled = true;
        user.score = 1280;
        user.money = 36;
        user.answerCount = 12;
        user.level = 15;
        m_play = enterPlay();
    }
    Frame shoot(const std::string& name) { return shootScene(m_gl, name); }
    void showQuestion(int prize) {
        auto record = std::make_unique<QuestionRecord>();
        record->gametype = 1;
        record->playtype = 7;
        record->prizemoney = prize;
        QuizData::instance().currentQsid = 501;
        QuizData::instance().questionQueue.push_back(std::move(record));
        CQuestionMission::instance()->MsgResponseQuestionData(0);
        QuestionStage::instance().present<StubScreen>();
        m_play->showTip("光在真空中的速度约为每秒多少公里？");
    }
    void answer(const AnswerResult& result) {
        QuizData::instance().lastResult = std::make_unique<AnswerResult>(result);
        GameData::instance().user.score += result.addscore;
        GameData::instance().user.money += result.addmoney;
        CQuestionMission::instance()->submitAnswer("30万公里", 0, 0, 1);
        CQuestionMission::instance()->onAnswerResult(0);
    }
    GLRenderer* m_gl = nullptr;
    CPlayLayer* m_play = nullptr;
};

TEST_F(PlayScreensRenderTest, HeaderAndPauseMenu) {
    showQuestion(5);
    engine::testing::stepSeconds(0.5f);
    Frame play = shoot("play");
    // The prize carrot stands at (890, 500) over the question area's plain background.
    EXPECT_FALSE(sameColour(play.at(890, 500), play.at(700, 300)));
    // The clock digits sit on the white clock face.
    EXPECT_FALSE(sameColour(play.at(125, 548), play.at(125, 520)));

    m_play->openPauseMenu();
    engine::testing::stepSeconds(0.1f);
    Frame paused = shoot("pause");
    // The menu's panel covers the middle and the question area around it is shaded.
    EXPECT_FALSE(sameColour(paused.at(480, 260), play.at(480, 260)));
    EXPECT_LT(paused.at(100, 300).g, play.at(100, 300).g);
}

TEST_F(PlayScreensRenderTest, AnswerBoxWithAndWithoutAdvertisement) {
    showQuestion(0);
    answer(AnswerResult{10, 5, 0, 0, "光速约为每秒30万公里（299792千米）。", "", "", "", "", "", ""});
    engine::testing::stepSeconds(0.3f);
    Frame plain = shoot("answer");
    engine::testing::stepSeconds(2.0f);
    shoot("answer-after-rewards");
    CCArray* children = m_play->getChildren();
    for (unsigned i = children->count(); i-- > 0;) {
        if (auto* box = dynamic_cast<AnswerBox*>(static_cast<CCObject*>(children->objectAtIndex(i)))) {
            box->removeFromParent();
        }
    }

    showQuestion(0);
    QuizData::instance().currentQsid = 502;
    answer(AnswerResult{10, 0, 0, 0, "光速约为每秒30万公里。", "farm.png", "萌兔农场", "种萝卜，收萝卜，天天有惊喜",
                        "http://ad.invalid/farm", "com.farm", ""});
    engine::testing::stepSeconds(0.3f);
    Frame advert = shoot("answer-ad");
    // Only the box with an advertisement reaches down to y 60.
    EXPECT_FALSE(sameColour(plain.at(480, 60), advert.at(480, 60)));
    // Both show their panel in the middle.
    EXPECT_TRUE(sameColour(plain.at(480, 200), advert.at(480, 200)));
}

TEST_F(PlayScreensRenderTest, WallScreen) {
    GameData::instance().sdkPlats = {SdkPlat{GameData::instance().user.answerCount + 1, 0}};
    QuizData::instance().qsidQueue = {601};
    CQuestionMission::instance()->start(0);
    engine::testing::stepSeconds(0.5f);
    Frame wall = shoot("wall");
    EXPECT_FALSE(sameColour(wall.at(660, 320), wall.at(480, 150)));
}

} // namespace

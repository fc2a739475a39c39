// The sign-in and ranking screens drawn for real through the offscreen GL context. With
// BRINDLE_SHOT_DIR set every frame is saved there as a PNG for a person to look at.
#include "menu/SignRankSupport.h"

#include "menu/CCalendar.h"
#include "menu/CRankLayer.h"
#include "menu/CSignLayer.h"
#include "net/GameData.h"
#include "net/UserSession.h"
#include "app/StoredSettings.h"
#include "quiz/RenderSupport.h"
#include "widgets/CMyMessageBox.h"

#include "render/GLRenderer.h"
#include "testing/EngineTesting.h"

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

class SignRankRenderTest : public SignRankTest {
protected:
    void beforePictures() override { m_gl = useOpenGL(); }
    void SetUp() override {
        SignRankTest::SetUp();
        if (m_gl == nullptr) GTEST_SKIP() << "no GL context here";
    }
    void TearDown() override {
        Renderer::setCurrent(nullptr);
        SignRankTest::TearDown();
    }
    Frame shoot(const std::string& name) { return shootScene(m_gl, name); }
    // Everything of a node's box inside the window.
    static void expectOnScreen(CCNode* node, const char* what) {
        ASSERT_NE(node, nullptr) << what;
        const CCRect box = node->boundingBox();
        const CCPoint low = node->getParent()->convertToWorldSpace(box.origin);
        const CCPoint high = node->getParent()->convertToWorldSpace(ccp(box.getMaxX(), box.getMaxY()));
        EXPECT_GE(low.x, 0) << what;
        EXPECT_GE(low.y, 0) << what;
        EXPECT_LE(high.x, 960) << what;
        EXPECT_LE(high.y, 640) << what;
    }

    GLRenderer* m_gl = nullptr;
};

TEST_F(SignRankRenderTest, SignScreenWithAFullMonthAndAStreak) {
    // December 2026 starts on a Tuesday; the player signed most days and today.
    signData = signRecord(2026, 12, 3, "1111011111111011111111111111111", 17, 1);
    luckData = luckRecord(0, 0, 0);
    CSignLayer* sign = enter<CSignLayer>(5);
    ASSERT_NE(sign, nullptr);
    engine::testing::stepSeconds(0.3f);
    const Frame frame = shoot("sign_full_month");
    ASSERT_EQ(frame.rgba.size(), 960u * 640u * 4u);
    EXPECT_EQ(sign->calendar()->signedDaysDrawn(), 29);
    for (int day : {1, 31}) expectOnScreen(sign->calendar()->dayLabel(day), "day");
    expectOnScreen(sign->streakWord(), "streak word");
    expectOnScreen(sign->dayWord(), "day word");
    // The streak line reads left to right without overlaps.
    EXPECT_LT(sign->streakWord()->boundingBox().getMaxX(), sign->streakLabel()->boundingBox().getMinX());
    EXPECT_LT(sign->streakLabel()->boundingBox().getMaxX(), sign->dayWord()->boundingBox().getMinX());
}

TEST_F(SignRankRenderTest, DrawRevealAndTheAwardAfterIt) {
    signData = signRecord(2026, 12, 3, "0001111000", 4, 0);
    CSignLayer* sign = enter<CSignLayer>(5);
    ASSERT_NE(sign, nullptr);
    engine::testing::stepSeconds(0.3f);
    const Frame before = shoot("sign_draw_available");

    luckDone = luckRecord(1, 0, 30);
    luckDone["score"] = 1230;
    tapWidget(sign->widget("luckybtn"));
    settle();
    engine::testing::stepSeconds(0.8f);
    const Frame middle = shoot("sign_draw_reveal");
    EXPECT_NE(sign->getChildByTag(CSignLayer::kRevealTag), nullptr);
    EXPECT_GT(middle.differences(before, 0, 0, 120, 120), 1000) << "the shade darkens the screen";
    EXPECT_GT(middle.differences(before, 330, 170, 630, 470), 2000) << "the mascot shows";

    engine::testing::stepSeconds(1.2f);
    shoot("sign_draw_award");
    EXPECT_EQ(sign->getChildByTag(CSignLayer::kRevealTag), nullptr);
    ASSERT_NE(sign->awardLabel(), nullptr);
    expectOnScreen(sign->awardLabel(), "award");

    // The multiplier kind on another day.
    enterScene(2);
    luckData = luckRecord(1, 1, 1.5);
    sign = enter<CSignLayer>(5);
    engine::testing::stepSeconds(0.3f);
    shoot("sign_draw_multiplier");
    expectOnScreen(sign->awardLabel(), "multiplier");
}

TEST_F(SignRankRenderTest, RankingWithRowsAndTheOwnRank) {
    rank = rankAnswer(3, 260, 410, 6);
    rank["ranklist"][5]["name"] = "一个名字特别特别长的答题高手玩家";
    CRankLayer* layer = enter<CRankLayer>(4);
    ASSERT_NE(layer, nullptr);
    engine::testing::stepSeconds(0.3f);
    shoot("rank_rows");
    for (CCLabelBMFont* label : {layer->rankText(), layer->lastWeekLabel(), layer->curWeekLabel(),
                                 layer->lastWeekScore(), layer->curWeekScore()}) {
        expectOnScreen(label, label ? label->getString() : "panel label");
    }
    // The panel's parts stand apart.
    EXPECT_LT(layer->rankText()->boundingBox().getMaxX(), layer->lastWeekLabel()->boundingBox().getMinX());
    EXPECT_LT(layer->lastWeekScore()->boundingBox().getMaxX(), layer->curWeekLabel()->boundingBox().getMinX());

    layer->table()->setContentOffset(ccp(0, 0));
    engine::testing::stepFrames(2);
    shoot("rank_rows_scrolled");
}

TEST_F(SignRankRenderTest, RankingUnranked) {
    rank = rankAnswer(0, 0, 0, 2);
    CRankLayer* layer = enter<CRankLayer>(4);
    ASSERT_NE(layer, nullptr);
    engine::testing::stepSeconds(0.3f);
    shoot("rank_unranked");
    expectOnScreen(layer->rankText(), "unranked");
    EXPECT_LT(layer->rankText()->boundingBox().getMaxX(), layer->lastWeekLabel()->boundingBox().getMinX());
}

TEST_F(SignRankRenderTest, TheBoxesOfBothScreens) {
    GameData::instance().explains = {{0, "每周一零点结算，前十名获得奖金。"}, {3, "每天可以签到一次，连续签到奖励更多。"}};
    signData = signRecord(2026, 12, 3, "0001111000", 4, 1);
    CSignLayer* sign = enter<CSignLayer>(5);
    ASSERT_NE(sign, nullptr);
    tapWidget(sign->widget("signbtn"));
    engine::testing::stepSeconds(0.3f);
    shoot("sign_box_signed");
    for (CMyMessageBox* box : childrenOf<CMyMessageBox>(sign)) box->removeFromParent();
    sign->showExplain();
    engine::testing::stepSeconds(0.3f);
    shoot("sign_box_explain");

    enterScene(2);
    StoredSettings::storeUserName("guest-7");
    UserSession::instance().setAccountKind(2);
    enter<CSignLayer>(5);
    engine::testing::stepSeconds(0.3f);
    shoot("sign_box_guest");

    enterScene(2);
    StoredSettings::storeUserName("");
    rank = rankAnswer(0, 0, 0, 0);
    CRankLayer* layer = enter<CRankLayer>(4);
    engine::testing::stepSeconds(0.3f);
    shoot("rank_box_no_account");
    for (CMyMessageBox* box : childrenOf<CMyMessageBox>(layer)) box->removeFromParent();
    layer->showExplain();
    engine::testing::stepSeconds(0.3f);
    shoot("rank_box_explain");
}

} // namespace

// The boxes' hit areas, closing rules, priorities and the text panel's limits.
#include "support/NetTestSupport.h"
#include "widgets/CLableLayer.h"
#include "widgets/CMessageBox.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/CTipBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

class MessageBoxesTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        addPicture("common_btn.png", 200, 100);      // hit half sizes 30 x 15
        addPicture("common_alertBg.png", 1000, 800); // W 400, H 320
        addPicture("common_backBtn.png", 40, 40);
        addPicture("common_closeBtn.png", 50, 50);
        addPicture("xiaotankuang.png", 500, 300);
        addPicture("anniutankuang.png", 120, 60);
        addPicture("tipTitle.png", 100, 40);
        m_scene = enterScene(2);
        m_probe = Probe::create(&m_events);
        m_scene->addChild(m_probe);
    }
    void TearDown() override {
        for (CCObject* kept : m_kept) kept->release();
        m_kept.clear();
        ClientTest::TearDown();
    }
    // Boxes free themselves when they close; the tests still look at them afterwards.
    template <typename T>
    T* keep(T* node) {
        node->retain();
        m_kept.push_back(node);
        return node;
    }
    CMyMessageBox* box(const std::string& b1, const std::string& b2, const std::string& b3, bool rich,
                       CCObject* target, int showBack = 0) {
        CMyMessageBox* made = CMyMessageBox::create("", "message", b1, b2, b3, target, showBack,
                                                    callfunc_selector(Probe::onButton1),
                                                    callfunc_selector(Probe::onButton2),
                                                    callfunc_selector(Probe::onButton3),
                                                    callfunc_selector(Probe::onBack), rich);
        keep(made);
        made->setPosition(ccp(480, 320));
        m_scene->addChild(made, 99, 1003);
        engine::testing::stepFrames(1);
        return made;
    }
    bool onStage(CCNode* node) { return node->getParent() != nullptr; }

    CCScene* m_scene = nullptr;
    Probe* m_probe = nullptr;
    std::vector<std::string> m_events;
    std::vector<CCObject*> m_kept;
};

TEST_F(MessageBoxesTest, HitAreaIsTheButtonAsDrawnAtScale03) {
    struct Case {
        float dx, dy;
        bool hit;
    };
    const Case cases[] = {{0, 0, true},   {30, 15, true},  {-30, -15, true}, {31, 0, false},
                          {0, 16, false}, {-31, 0, false}, {30.5f, 0, false}};
    for (const Case& c : cases) {
        CMyMessageBox* b = box("", "sure", "", false, m_probe);
        const CCPoint at = b->button(2)->getPosition();
        EXPECT_EQ(at.x, 0);
        EXPECT_EQ(at.y, -50);
        EXPECT_EQ(CMyMessageBox::hitsButton(b->button(2), ccp(at.x + c.dx, at.y + c.dy)), c.hit) << c.dx << "," << c.dy;
        m_scene->removeChild(b, true);
    }
}

TEST_F(MessageBoxesTest, ButtonsCallTheirHandlerThenCloseWithAClick) {
    CMyMessageBox* b = box("one", "two", "three", false, m_probe);
    EXPECT_EQ(b->button(1)->getPositionX(), -120);
    EXPECT_EQ(b->button(3)->getPositionX(), 120);
    audio().clear();
    // Through the touch dispatcher, at window coordinates.
    engine::testing::tap(480 - 120, 320 - 50);
    EXPECT_EQ(m_events, (std::vector<std::string>{"button1"}));
    EXPECT_FALSE(onStage(b));
    EXPECT_EQ(audio().callsNamed("playEffect").size(), 2u) << "after the handler and on closing";
}

TEST_F(MessageBoxesTest, ATouchOutsideEveryButtonIsSwallowedAndChangesNothing) {
    CMyMessageBox* b = box("", "sure", "", false, m_probe);
    EXPECT_EQ(b->registeredPriority(), -1281);
    engine::testing::tap(100, 600);
    EXPECT_TRUE(m_events.empty());
    EXPECT_TRUE(onStage(b));
}

TEST_F(MessageBoxesTest, RichModeKeepsTheBoxOpenOnButtonThree) {
    for (bool rich : {true, false}) {
        m_events.clear();
        CMyMessageBox* b = box("", "", "three", rich, m_probe);
        EXPECT_EQ(b->button(3)->getPositionY(), rich ? -190 : -50);
        b->handleRelease(b->button(3)->getPosition());
        EXPECT_EQ(m_events, (std::vector<std::string>{"button3"}));
        EXPECT_EQ(onStage(b), rich) << (rich ? "rich" : "plain");
        if (rich) {
            EXPECT_NE(b->textPanel(), nullptr);
            EXPECT_FALSE(b->titleLabel()->isVisible());
            m_scene->removeChild(b, true);
        }
    }
}

TEST_F(MessageBoxesTest, OnlyButtonTwoClosesEvenWithoutHandler) {
    CCObject* target = new CCObject;
    target->autorelease();
    CMyMessageBox* b = keep(CMyMessageBox::create("", "m", "", "sure", "", target, 0, nullptr, nullptr, nullptr,
                                                  nullptr, false));
    m_scene->addChild(b);
    engine::testing::stepFrames(1);
    EXPECT_EQ(b->button(1), nullptr);
    EXPECT_EQ(b->button(3), nullptr);
    ASSERT_NE(b->button(2), nullptr);
    EXPECT_EQ(b->button(2)->getPositionX(), 0);
    b->handleRelease(b->button(2)->getPosition());
    EXPECT_FALSE(onStage(b));
}

TEST_F(MessageBoxesTest, ABoxWithoutTargetIgnoresEveryTouch) {
    CMyMessageBox* b = box("one", "two", "", false, nullptr, 1);
    b->handleRelease(b->button(1)->getPosition());
    b->handleRelease(b->backButton()->getPosition());
    EXPECT_TRUE(onStage(b));
    CMessageBox* yesNo = keep(CMessageBox::create("t", "m", nullptr, callfunc_selector(Probe::onButton1), nullptr));
    m_scene->addChild(yesNo);
    yesNo->handleRelease(yesNo->yesButton()->getPosition());
    EXPECT_TRUE(onStage(yesNo));
    EXPECT_TRUE(m_events.empty());
}

TEST_F(MessageBoxesTest, BackButtonAndEmptyTitle) {
    CMyMessageBox* b = box("", "sure", "", false, m_probe, 1);
    EXPECT_EQ(b->titleText(), "tips-zh");
    ASSERT_NE(b->backButton(), nullptr);
    b->handleRelease(b->backButton()->getPosition());
    EXPECT_EQ(m_events, (std::vector<std::string>{"back"}));
    EXPECT_FALSE(onStage(b));
}

TEST_F(MessageBoxesTest, YesNoBoxCallsAndCloses) {
    for (bool yes : {true, false}) {
        m_events.clear();
        CMessageBox* b = keep(CMessageBox::create("t", "m", m_probe, callfunc_selector(Probe::onButton1),
                                                  callfunc_selector(Probe::onButton2)));
        m_scene->addChild(b);
        engine::testing::stepFrames(1);
        b->handleRelease((yes ? b->yesButton() : b->noButton())->getPosition());
        EXPECT_EQ(m_events, (std::vector<std::string>{yes ? "button1" : "button2"}));
        EXPECT_FALSE(onStage(b));
    }
}

TEST_F(MessageBoxesTest, TipBoxClosesOnlyOnItsCloseButton) {
    CTipBox* tip = keep(CTipBox::create("tipTitle.png", "rules", m_probe, callfunc_selector(Probe::onButton1)));
    tip->setPosition(ccp(480, 320));
    m_scene->addChild(tip);
    engine::testing::stepFrames(1);
    EXPECT_EQ(tip->closeButton()->getPositionX(), 200 - 42);
    tip->handleRelease(ccp(0, 0));
    EXPECT_TRUE(onStage(tip));
    // A drag that begins over the text belongs to the text panel, even when it ends on the button.
    const CCPoint close = ccp(480 + 158, 320 + 160 - 42);
    engine::testing::touchBegan(480, 300);
    engine::testing::touchEnded(close.x, close.y);
    EXPECT_TRUE(onStage(tip));
    audio().clear();
    engine::testing::tap(close.x, close.y);
    EXPECT_EQ(m_events, (std::vector<std::string>{"button1"}));
    EXPECT_FALSE(onStage(tip));
    EXPECT_EQ(audio().callsNamed("playEffect").size(), 2u);
}

class TextPanelTest : public MessageBoxesTest {
protected:
    CLableLayer* panel() {
        std::string text;
        for (int i = 0; i < 40; ++i) text += "line of text that wraps ";
        CLableLayer* made = CLableLayer::create(text);
        if (made->label()->getContentSize().height < 400) {
            return nullptr; // no font to lay the text out with
        }
        made->setPosition(ccp(480, 300));
        m_scene->addChild(made);
        engine::testing::stepFrames(1);
        return made;
    }
};

TEST_F(TextPanelTest, LimitsFollowTheLabelHeight) {
    CLableLayer* p = panel();
    if (p == nullptr) GTEST_SKIP() << "no TrueType font installed";
    const int h2 = static_cast<int>(p->label()->getContentSize().height) / 2;
    ASSERT_GT(h2, 200) << "needs a text taller than the clip";
    EXPECT_EQ(p->label()->getPositionY(), 130 - h2);
    EXPECT_EQ(p->lowestY(), 130 - h2 - 30);
    EXPECT_EQ(p->highestY(), h2 - 130 + 30);
}

TEST_F(TextPanelTest, WheelMovesOnlyWithinTheLimits) {
    CLableLayer* p = panel();
    if (p == nullptr) GTEST_SKIP() << "no TrueType font installed";
    const float start = p->label()->getPositionY();
    engine::testing::wheel(1); // 120 down: below lowestY, stays
    EXPECT_EQ(p->label()->getPositionY(), start);
    engine::testing::wheel(-1);
    EXPECT_EQ(p->label()->getPositionY(), start + 120);
    engine::testing::wheel(1);
    EXPECT_EQ(p->label()->getPositionY(), start);
    p->processWin32KeyPress(512, 0xFF880000ul, 0); // not the wheel message
    EXPECT_EQ(p->label()->getPositionY(), start);
}

TEST_F(TextPanelTest, DragGlidesToWhereItWasReleased) {
    long long now = 1000;
    CLableLayer::setClock([&] { return now; });
    CLableLayer* p = panel();
    if (p == nullptr) GTEST_SKIP() << "no TrueType font installed";
    const float start = p->label()->getPositionY();
    EXPECT_FALSE(p->beginAt(ccp(100, 300))) << "outside the text";
    ASSERT_TRUE(p->beginAt(ccp(480, 300)));
    p->endAt(ccp(480, 360));
    EXPECT_FALSE(p->isDragging());
    engine::testing::stepSeconds(0.3f);
    EXPECT_FLOAT_EQ(p->label()->getPositionY(), start + 60);

    // Past the upper limit it stops at the limit, in the time since the last move.
    ASSERT_TRUE(p->beginAt(ccp(480, 200)));
    now = 2000;
    p->ccTouchMoved(nullptr, nullptr);
    now = 2500;
    p->endAt(ccp(480, 2000));
    engine::testing::stepSeconds(0.3f);
    EXPECT_LT(p->label()->getPositionY(), p->highestY()) << "still gliding after 0.3 of 0.5 s";
    engine::testing::stepSeconds(0.3f);
    EXPECT_FLOAT_EQ(p->label()->getPositionY(), p->highestY());
    CLableLayer::setClock({});
}

} // namespace

TEST_F(MessageBoxesTest, ALongMessageStaysBetweenTheTitleAndTheButtons) {
    const std::string tip = "兑换成功！话费将在3个工作日内充入您填写的手机号码，请留意到账短信。";
    CMyMessageBox* made = CMyMessageBox::create("", tip, "sure", "", "", m_probe, 0,
                                                callfunc_selector(Probe::onButton1), nullptr, nullptr, nullptr, false);
    ASSERT_NE(made, nullptr);
    keep(made);
    const CCRect text = made->messageLabel()->boundingBox();
    const CCRect title = made->titleLabel()->boundingBox();
    const CCRect button = made->button(1)->boundingBox();
    EXPECT_LE(text.getMaxY(), title.getMinY() + 2) << "the text runs into the title";
    EXPECT_GE(text.getMinY(), button.getMaxY() - 2) << "the text runs into the button";

    // A short one keeps its full size.
    CMyMessageBox* plain = CMyMessageBox::create("", "保存成功", "sure", "", "", m_probe, 0,
                                                 callfunc_selector(Probe::onButton1), nullptr, nullptr, nullptr, false);
    ASSERT_NE(plain, nullptr);
    keep(plain);
    EXPECT_FLOAT_EQ(plain->messageLabel()->getScale(), 1.0f);
}

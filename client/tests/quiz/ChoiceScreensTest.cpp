// The text choice screens on the play scene: what each option sends, how many options show and
// where, the one-at-a-time presenter, the golden egg and its clock, yes/no and the odd character.
#include "quiz/QuizScreenSupport.h"

#include "app/LocalText.h"
#include "quiz/CAddAnswerMenu.h"
#include "quiz/CChoiceLayer.h"
#include "quiz/CChoiceYesOrNoLayer.h"
#include "quiz/COneByOneSelect.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CTextFindDiffLayer.h"
#include "quiz/QuizData.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;
namespace et = engine::testing;

namespace {

template <class T>
T* findChild(CCNode* parent) {
    if (parent == nullptr || parent->getChildren() == nullptr) return nullptr;
    for (CCObject* child : *parent->getChildren()) {
        if (auto* found = dynamic_cast<T*>(child)) return found;
    }
    return nullptr;
}

// Where a node is drawn, in window points.
class ChoiceScreensTest : public QuizScreenTest {
protected:
    void SetUp() override {
        QuizScreenTest::SetUp();
        enterPlay();
    }
};

TEST_F(ChoiceScreensTest, MenuShowsUpToFourOptionsAndSendsTheTappedOne) {
    struct Case {
        std::vector<std::string> answers;
        int shown;
    };
    const Case cases[] = {
        {{"北京", "上海"}, 2},
        {{"北京", "上海", "广州"}, 3},
        {{"北京", "上海", "广州", "深圳"}, 4},
        {{"北京", "上海", "广州", "深圳", "重庆"}, 4},
    };
    for (const Case& c : cases) {
        for (int k = 0; k < c.shown; ++k) {
            SCOPED_TRACE(std::to_string(c.answers.size()) + " answers, option " + std::to_string(k));
            setQuestion(1, 7, c.answers);
            auto* screen = dynamic_cast<CChoiceLayer*>(draw());
            ASSERT_NE(screen, nullptr);
            CAddAnswerMenu* menu = findChild<CAddAnswerMenu>(screen);
            ASSERT_NE(menu, nullptr);
            int visible = 0;
            for (int i = 0; i < CAddAnswerMenu::kOptionCount; ++i) visible += menu->item(i)->isVisible() ? 1 : 0;
            EXPECT_EQ(visible, c.shown);
            if (c.shown == 2) {
                // Side by side across the vertical centre.
                EXPECT_EQ(worldOf(menu->item(0)).y, 320);
                EXPECT_EQ(worldOf(menu->item(1)).y, 320);
                EXPECT_EQ(menu->letter(0)->getPositionY(), 310);
            }
            EXPECT_EQ(m_host->tipLabel() ? std::string(m_host->tipLabel()->getString()) : "问题", "问题");
            EXPECT_STREQ(menu->label(k)->getString(), c.answers[k].c_str());

            m_submitted.clear();
            const CCPoint at = worldOf(menu->item(k));
            et::tap(at.x, at.y);
            ASSERT_EQ(m_submitted.size(), 1u);
            EXPECT_EQ(m_submitted[0].answer, c.answers[k]);
            EXPECT_EQ(m_submitted[0].optionIndex, k);
            // A second tap of the same question sends nothing more.
            et::tap(at.x, at.y);
            EXPECT_EQ(m_submitted.size(), 1u);
        }
    }
}

TEST_F(ChoiceScreensTest, SelectionKindTwoShowsNoOptions) {
    setQuestion(1, 8, {"甲", "乙", "丙", "丁"}, 2);
    CQuestionLayer* screen = draw();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(findChild<CAddAnswerMenu>(screen), nullptr);
    EXPECT_EQ(findChild<COneByOneSelect>(screen), nullptr);
    for (float x : {300.0f, 480.0f, 660.0f}) {
        for (float y : {185.0f, 320.0f, 390.0f}) et::tap(x, y);
    }
    EXPECT_TRUE(m_submitted.empty());
    EXPECT_TRUE(clockRunning()); // only the clock ends this question
}

TEST_F(ChoiceScreensTest, OneAtATimeWalksThroughTheOptionsAndStopsAtTheLast) {
    const std::vector<std::string> answers = {"春", "夏", "秋"};
    setQuestion(1, 9, answers, 1);
    CQuestionLayer* screen = draw();
    COneByOneSelect* select = findChild<COneByOneSelect>(screen);
    ASSERT_NE(select, nullptr);
    EXPECT_EQ(select->getChildByTag(COneByOneSelect::kMenuTag), select->optionMenu());
    EXPECT_EQ(select->optionMenu()->getChildByTag(COneByOneSelect::kItemTag), select->optionItem());
    EXPECT_EQ(select->optionItem()->getChildByTag(COneByOneSelect::kLabelTag), select->optionLabel());
    const CCPoint option = worldOf(select->optionItem());
    EXPECT_EQ(option.x, 480);
    EXPECT_EQ(option.y, 320);
    const CCPoint next = worldOf(select->nextButton());
    EXPECT_EQ(next.x, 480);
    EXPECT_EQ(next.y, 250);
    // The "next" button sits under the option, clear of it.
    const float optionBottom = option.y - select->optionItem()->getContentSize().height / 2;
    const float nextTop = next.y + select->nextButton()->getContentSize().height * select->nextButton()->getScale() / 2;
    EXPECT_LT(nextTop, optionBottom);

    for (int k = 1; k < 3; ++k) {
        et::tap(next.x, next.y);
        EXPECT_EQ(select->currentIndex(), k);
        et::tap(next.x, next.y); // while it slides, a second "next" is ignored
        EXPECT_EQ(select->currentIndex(), k);
        et::stepSeconds(1.1f);
        EXPECT_EQ(select->optionItem()->getPositionX(), 0);
        EXPECT_STREQ(select->optionLabel()->getString(), answers[k].c_str());
    }
    et::tap(next.x, next.y); // the last option: nothing moves
    EXPECT_EQ(select->currentIndex(), 2);
    EXPECT_EQ(select->optionItem()->numberOfRunningActions(), 0u);
    EXPECT_STREQ(select->optionLabel()->getString(), "秋");
    EXPECT_TRUE(m_submitted.empty());

    et::tap(option.x, option.y);
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "秋");
    EXPECT_EQ(m_submitted[0].optionIndex, 2);
}

TEST_F(ChoiceScreensTest, GoldenEggHoldsTheClockUntilItsBoxIsConfirmed) {
    QuestionRecord& question = setQuestion(1, 15, {"一", "二", "三", "四"});
    std::get<ChoiceQuestion>(question.details).multiple = 3;
    auto* screen = dynamic_cast<CChoiceLayer*>(draw());
    ASSERT_NE(screen, nullptr);
    EXPECT_FALSE(clockRunning());
    EXPECT_EQ(findChild<CAddAnswerMenu>(screen), nullptr);
    ASSERT_NE(screen->getChildByTag(CChoiceLayer::kEggMenuTag), nullptr);

    const CCPoint egg = worldOf(screen->egg(2));
    EXPECT_EQ(egg.x, 580);
    et::tap(egg.x, egg.y);
    EXPECT_NE(screen->getChildByTag(CChoiceLayer::kEggMaskTag), nullptr);
    EXPECT_FALSE(screen->egg(2)->isVisible());
    EXPECT_FALSE(screen->egg(0)->isEnabled());
    EXPECT_TRUE(screen->crackingEgg()->isVisible());
    EXPECT_EQ(screen->crackingEgg()->getPositionX(), 580);
    EXPECT_EQ(screen->hammer()->getPosition().x, 630);
    et::tap(worldOf(screen->egg(0)).x, egg.y); // the mask keeps the other eggs out of reach
    EXPECT_TRUE(screen->egg(0)->isVisible());

    et::stepSeconds(0.65f); // the swing: the crack and the burst begin
    EXPECT_NE(screen->getChildByTag(CChoiceLayer::kParticlesTag), nullptr);
    EXPECT_EQ(screen->getChildByTag(CChoiceLayer::kEggBoxTag), nullptr);
    et::stepSeconds(0.9f); // five frames of 0.16 s
    EXPECT_EQ(screen->getChildByTag(CChoiceLayer::kEggMaskTag), nullptr);
    EXPECT_EQ(screen->getChildByTag(CChoiceLayer::kParticlesTag), nullptr);
    auto* box = dynamic_cast<CMyMessageBox*>(screen->getChildByTag(CChoiceLayer::kEggBoxTag));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->messageText(), "恭喜！本题奖励翻3倍");
    et::stepSeconds(3);
    EXPECT_FALSE(clockRunning());

    const CCPoint sure = box->convertToWorldSpace(box->button(2)->getPosition());
    et::tap(sure.x, sure.y);
    EXPECT_TRUE(clockRunning());
    CAddAnswerMenu* menu = findChild<CAddAnswerMenu>(screen);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(screen->getChildByTag(CChoiceLayer::kEggMenuTag), nullptr);
    const CCPoint option = worldOf(menu->item(3));
    et::tap(option.x, option.y);
    ASSERT_EQ(m_submitted.size(), 1u);
    EXPECT_EQ(m_submitted[0].answer, "四");
    EXPECT_EQ(m_submitted[0].optionIndex, 3);
}

TEST_F(ChoiceScreensTest, YesOrNoSendsTheLabelOfTheTappedButton) {
    const std::string texts[2] = {LocalText::instance().text("isYes"), LocalText::instance().text("isNo")};
    for (int k = 0; k < 2; ++k) {
        m_submitted.clear();
        setQuestion(1, 1, {});
        auto* screen = dynamic_cast<CChoiceYesOrNoLayer*>(draw());
        ASSERT_NE(screen, nullptr);
        const CCPoint at = worldOf(screen->button(k));
        EXPECT_EQ(at.x, k == 0 ? 300 : 660);
        EXPECT_EQ(at.y, 310);
        et::tap(at.x, at.y);
        ASSERT_EQ(m_submitted.size(), 1u);
        EXPECT_EQ(m_submitted[0].answer, texts[k]);
        EXPECT_EQ(m_submitted[0].optionIndex, k);
    }
}

TEST_F(ChoiceScreensTest, FindTheDifferentCharacterSendsTheTappedCell) {
    for (bool tapTheOddOne : {true, false}) {
        m_submitted.clear();
        setQuestion(1, 4, {"未"});
        QuizData::instance().current->question = "末";
        auto* screen = dynamic_cast<CTextFindDiffLayer*>(draw());
        ASSERT_NE(screen, nullptr);
        int odd = -1, oddCount = 0;
        for (int i = 0; i < CTextFindDiffLayer::kColumns * CTextFindDiffLayer::kRows; ++i) {
            if (std::string(screen->cell(i)->getString()) == "未") odd = i, oddCount += 1;
        }
        ASSERT_EQ(oddCount, 1);
        const int tapped = tapTheOddOne ? odd : (odd + 7) % 20;
        const CCPoint at = worldOf(screen->cell(tapped));
        et::tap(at.x, at.y);
        ASSERT_EQ(m_submitted.size(), 1u);
        EXPECT_EQ(m_submitted[0].answer, tapTheOddOne ? "未" : "末");
        EXPECT_EQ(m_submitted[0].optionIndex, -1);
    }
}

TEST(IsInsideTest, BoxAroundThePositionWithWholePixels) {
    CCNode* node = CCNode::create();
    node->setPosition(ccp(100.7f, 50.2f));
    node->setContentSize(CCSizeMake(41.9f, 21.5f)); // whole: 41 x 21, halves 20.5 x 10.5
    struct Case {
        float x, y;
        bool inside;
    };
    const Case cases[] = {{100, 50, true},      {79.5f, 50, true},  {120.5f, 50, true},  {79.4f, 50, false},
                          {120.6f, 50, false},  {100, 39.5f, true}, {100, 60.5f, true},  {100, 39.4f, false},
                          {100, 60.6f, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(isInside(node, ccp(c.x, c.y)), c.inside) << c.x << "," << c.y;
    }
    EXPECT_FALSE(isInside(nullptr, ccp(0, 0)));
}

} // namespace

// The answer-cell widget: where its cells go for each placement, and composing a word by marking
// cells and tapping candidates.
#include "quiz/QuizScreenSupport.h"

#include "quiz/CFillCellLayer.h"
#include "widgets/CTxtCell.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

class Composer : public fillCellLayerDelegate {
public:
    void onFillCellComplete(const std::string& text) override { reported.push_back(text); }
    std::vector<std::string> reported;
};

class FillCellLayerTest : public QuizScreenTest {
protected:
    void SetUp() override {
        QuizScreenTest::SetUp();
        m_scene = enterScene(2);
    }
    CFillCellLayer* make(int length, const std::string& candidates, int layout = 0, int columns = 6) {
        CFillCellLayer* layer = CFillCellLayer::create(length, candidates, &m_composer, layout, columns);
        m_scene->addChild(layer);
        return layer;
    }
    static void tapCell(CFillCellLayer* layer, CTxtCell* cell) { layer->handleTouch(cell->getPosition()); }

    CCScene* m_scene = nullptr;
    Composer m_composer;
};

TEST_F(FillCellLayerTest, PlacementByLayoutAndColumns) {
    struct Case {
        int layout, columns, length;
        CCPoint firstAnswer, firstCandidate, lastCandidate;
    };
    const Case cases[] = {
        // Default: base x 2.85 x 960 / 4 = 684, y 420; candidates from (500, 320).
        {0, 6, 4, {684 - 150 + 40, 420}, {500, 320}, {500 + 75 * 5, 320 - 75 * 3}},
        {2, 6, 2, {480 - 75 + 40, 220}, {100, 140}, {100 + 75 * 5, 140 - 75 * 3}},
        // Four columns win over the layout value.
        {2, 4, 3, {320 - 112.5f + 40, 80}, {640, 450}, {640 + 75 * 3, 450 - 75 * 5}},
        {6, 4, 3, {320 - 112.5f + 40, 80}, {640, 450}, {640 + 75 * 3, 450 - 75 * 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.layout) + "/" + std::to_string(c.columns));
        CFillCellLayer* layer = make(c.length, "甲乙丙丁戊己庚辛壬癸子丑寅卯辰巳午未申酉戌亥天地", c.layout, c.columns);
        ASSERT_EQ(layer->answerCells().size(), static_cast<std::size_t>(c.length));
        ASSERT_EQ(layer->candidateCells().size(), 24u);
        EXPECT_FLOAT_EQ(layer->answerCells()[0]->getPositionX(), c.firstAnswer.x);
        EXPECT_FLOAT_EQ(layer->answerCells()[0]->getPositionY(), c.firstAnswer.y);
        EXPECT_FLOAT_EQ(layer->answerCells()[1]->getPositionX(), c.firstAnswer.x + 75);
        EXPECT_EQ(layer->candidateCells()[0]->getPosition().x, c.firstCandidate.x);
        EXPECT_EQ(layer->candidateCells()[0]->getPosition().y, c.firstCandidate.y);
        EXPECT_EQ(layer->candidateCells()[23]->getPosition().x, c.lastCandidate.x);
        EXPECT_EQ(layer->candidateCells()[23]->getPosition().y, c.lastCandidate.y);
        EXPECT_EQ(layer->candidateCells()[23]->text(), "地");
        EXPECT_EQ(layer->candidateCells()[0]->state(), CTxtCell::kGold);
        EXPECT_EQ(layer->markedCell(), layer->answerCells()[0]);
        EXPECT_EQ(layer->answerCells()[0]->state(), CTxtCell::kDark);
        EXPECT_EQ(layer->highlight()->getPositionX(), layer->answerCells()[0]->getPositionX());
        m_scene->removeChild(layer, true);
    }
    // Nine cells wrap to a second row of the answer.
    CFillCellLayer* layer = make(9, "abcdefghi");
    EXPECT_FLOAT_EQ(layer->answerCells()[8]->getPositionX(), layer->answerCells()[0]->getPositionX());
    EXPECT_FLOAT_EQ(layer->answerCells()[8]->getPositionY(), 420 - 75);
    // Candidates past the text hold nothing and stay hidden; ASCII and CJK mix.
    CFillCellLayer* mixed = make(2, "a春b");
    EXPECT_EQ(mixed->candidateCells()[1]->text(), "春");
    EXPECT_EQ(mixed->candidateCells()[2]->text(), "b");
    EXPECT_FALSE(mixed->candidateCells()[3]->isVisible());
}

TEST_F(FillCellLayerTest, ComposingMarkingAndTakingBack) {
    CFillCellLayer* layer = make(3, "春夏秋冬");
    const auto& answer = layer->answerCells();
    const auto& candidates = layer->candidateCells();

    tapCell(layer, candidates[2]); // 秋 into cell 0
    EXPECT_EQ(answer[0]->text(), "秋");
    EXPECT_FALSE(candidates[2]->isVisible());
    EXPECT_EQ(answer[0]->state(), CTxtCell::kNormal);
    EXPECT_EQ(layer->markedCell(), answer[1]);

    tapCell(layer, answer[0]); // take 秋 back out: cell 0 marked again, 秋 offered again
    EXPECT_EQ(answer[0]->text(), "");
    EXPECT_EQ(layer->markedCell(), answer[0]);
    EXPECT_EQ(answer[0]->state(), CTxtCell::kDark);
    EXPECT_EQ(answer[1]->state(), CTxtCell::kNormal);
    EXPECT_TRUE(candidates[2]->isVisible());

    tapCell(layer, answer[2]); // mark the last cell and fill it first
    tapCell(layer, candidates[3]);
    EXPECT_EQ(answer[2]->text(), "冬");
    EXPECT_EQ(layer->markedCell(), answer[0]); // the first empty one
    tapCell(layer, candidates[0]);
    EXPECT_TRUE(m_composer.reported.empty());
    tapCell(layer, candidates[1]);
    ASSERT_EQ(m_composer.reported.size(), 1u);
    EXPECT_EQ(m_composer.reported[0], "春夏冬");

    // Reported once: further touches change nothing.
    tapCell(layer, answer[1]);
    tapCell(layer, candidates[2]);
    EXPECT_EQ(answer[1]->text(), "夏");
    EXPECT_EQ(m_composer.reported.size(), 1u);
}

TEST_F(FillCellLayerTest, HiddenWidgetAndBadLengthsAreHarmless) {
    CFillCellLayer* hidden = make(2, "一二");
    hidden->setVisible(false);
    tapCell(hidden, hidden->candidateCells()[0]);
    EXPECT_EQ(hidden->answerCells()[0]->text(), "");

    CFillCellLayer* huge = make(1000000, "一二");
    EXPECT_EQ(huge->answerCells().size(), static_cast<std::size_t>(CFillCellLayer::kMaxAnswerLength));
    CFillCellLayer* none = make(-3, "一二");
    EXPECT_TRUE(none->answerCells().empty());
    tapCell(none, none->candidateCells()[0]);
    EXPECT_TRUE(m_composer.reported.empty());

    // "&" is kept doubled in its cell, but the answer carries the character itself.
    CFillCellLayer* amp = make(1, "&");
    EXPECT_EQ(amp->candidateCells()[0]->text(), "&&");
    tapCell(amp, amp->candidateCells()[0]);
    ASSERT_EQ(m_composer.reported.size(), 1u);
    EXPECT_EQ(m_composer.reported[0], "&");
}

} // namespace

// The five character games drawn for real (offscreen OpenGL) in the middle of play, with pixels
// probed where cells must show. With BRINDLE_SHOT_DIR set every frame is saved there as a PNG.
#include "quiz/RenderSupport.h"

#include "quiz/CChoiceSymbolLayer.h"
#include "quiz/CEliminateLayer.h"
#include "quiz/CHitTxtLayer.h"
#include "quiz/CSortTxtLayer.h"
#include "quiz/CSudokuLayer.h"
#include "quiz/QuizData.h"
#include "widgets/CTxtCell.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;
namespace et = engine::testing;

namespace {

class CharacterGamesRenderTest : public QuizRenderTest {
protected:
    void SetUp() override {
        QuizRenderTest::SetUp();
        if (!IsSkipped()) m_empty = shot("");
    }
    template <class Screen>
    Screen* show(int playType, const std::string& question, std::vector<std::string> answers, const std::string& right) {
        QuestionRecord& record = setQuestion(1, playType, std::move(answers));
        record.question = question;
        std::get<ChoiceQuestion>(record.details).right = right;
        return dynamic_cast<Screen*>(draw());
    }
    // A cell's tile shows where the empty play scene showed its background.
    void expectCell(const Frame& frame, CCNode* cell) {
        const CCPoint at = cell->getParent()->convertToWorldSpace(cell->getPosition());
        const int x = static_cast<int>(at.x) - 30, y = static_cast<int>(at.y) - 30;
        EXPECT_GT(colourDistance(frame.at(x, y), m_empty.at(x, y)), 30)
            << "no tile at " << at.x << "," << at.y;
    }
    Frame m_empty;
};

TEST_F(CharacterGamesRenderTest, FiveGamesInMidPlay) {
    auto* board = show<CSudokuLayer>(2, "一;一意三心二;四面八;五;四海七上;下十全十;千;万水百花齐;",
                                     {"小西人放红土八心春天方日白意山风上湖花金秋美中大"}, "心意方湖八美山放");
    ASSERT_NE(board, nullptr);
    tapNode(board->candidate(7)); // 心 into the first blank
    et::stepSeconds(0.6f);
    tapNode(board->candidate(13)); // 意 on its way to the next
    et::stepSeconds(0.25f);
    Frame sudoku = shot("char_sudoku");
    expectCell(sudoku, board->gridCell(0));
    expectCell(sudoku, board->gridCell(31));
    expectCell(sudoku, board->candidate(23));
    et::stepSeconds(0.3f);

    auto* marks = show<CChoiceSymbolLayer>(13, "春天来了;小草绿了;花儿开了;", {"，", "。", "？", "、"},
                                           "春天来了，小草绿了，花儿开了。");
    ASSERT_NE(marks, nullptr);
    tapNode(marks->candidates()[0]);
    et::stepSeconds(0.6f);
    tapNode(marks->candidates()[0]);
    et::stepSeconds(0.3f);
    Frame punctuation = shot("char_punctuation");
    expectCell(punctuation, marks->cells()[0]);
    expectCell(punctuation, marks->cells()[14]);
    expectCell(punctuation, marks->candidates()[3]);
    et::stepSeconds(0.3f);

    auto* hit = show<CHitTxtLayer>(3, "春眠不觉晓", {"晓春夏雪冬不眠雨觉"}, "春眠不觉晓");
    ASSERT_NE(hit, nullptr);
    et::stepSeconds(2);
    shot("char_hit_sentence");
    et::stepSeconds(CHitTxtLayer::kIntroSeconds - 2 + 2);
    for (std::size_t i = 0; i < hit->items().size(); ++i) {
        for (CTxtCell* target : hit->targets()) {
            if (hit->isItemShown(static_cast<int>(i)) && !target->isTextShown() &&
                target->text() == hit->items()[i]->text()) {
                tapNode(hit->items()[i]);
            }
        }
    }
    et::stepSeconds(1);
    Frame falling = shot("char_hit");
    for (CTxtCell* target : hit->targets()) expectCell(falling, target);

    auto* sort = show<CSortTxtLayer>(6, "千里之行始于足下", {"千里之行始于足下"}, "千里之行始于足下");
    ASSERT_NE(sort, nullptr);
    tapNode(sort->cells()[1]);
    tapNode(sort->cells()[5]);
    et::stepSeconds(0.2f);
    Frame sorting = shot("char_sort");
    expectCell(sorting, sort->cells()[0]);
    expectCell(sorting, sort->cells()[7]);
    et::stepSeconds(0.4f);

    auto* row = show<CEliminateLayer>(14, "消去多余的字，留下一个成语", {"一马心当一先意"}, "1010101");
    ASSERT_NE(row, nullptr);
    tapNode(row->getChildByTag(1001));
    et::touchBegan(row->cells()[2]->getPositionX(), row->cells()[2]->getPositionY());
    Frame eliminate = shot("char_eliminate");
    for (CTxtCell* cell : row->cells()) expectCell(eliminate, cell);
    et::touchCancelled(0, 0);
}

} // namespace

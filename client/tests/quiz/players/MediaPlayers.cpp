// Test players of the voice and video screens: they tap the option whose text is the bank's right
// answer (or another one), or spell the word from the candidate cells (or a word that differs from
// it in every place).
#include "quiz/ScreenPlayers.h"

#include "quiz/CAddAnswerMenu.h"
#include "quiz/CFillCellLayer.h"
#include "quiz/COneByOneSelect.h"
#include "quiz/CQuestionLayer.h"
#include "quiz/QuizData.h"
#include "support/TestSupport.h"
#include "widgets/CTxtCell.h"

#include "testing/EngineTesting.h"

#include <gtest/gtest.h>

USING_NS_CC;

namespace test_support {
namespace {

bool chooseOption(const PlayerTurn& turn) {
    const QuestionRecord* question = QuizData::instance().current.get();
    if (question == nullptr) {
        ADD_FAILURE() << "no question on screen";
        return false;
    }
    const auto& answers = question->answers;
    // Only the first four options are shown.
    const int shown = static_cast<int>(std::min<std::size_t>(answers.size(), CAddAnswerMenu::kOptionCount));
    int k = -1;
    for (int i = 0; i < shown && k < 0; ++i) {
        const bool right = answers[static_cast<std::size_t>(i)] == turn.right;
        if (right == turn.win) k = i;
    }
    if (k < 0) {
        ADD_FAILURE() << "no option to " << (turn.win ? "win" : "lose") << " with; right is " << turn.right;
        return false;
    }
    if (auto menus = childrenOf<CAddAnswerMenu>(turn.screen); !menus.empty()) {
        tapNode(menus.front()->item(k));
        return true;
    }
    if (auto selects = childrenOf<COneByOneSelect>(turn.screen); !selects.empty()) {
        COneByOneSelect* select = selects.front();
        while (select->currentIndex() < k) {
            const int before = select->currentIndex();
            tapNode(select->nextButton());
            turn.wait(1.2f); // the next option slides in
            if (select->currentIndex() == before) {
                ADD_FAILURE() << "\"next\" did not move on from option " << before;
                return false;
            }
        }
        tapNode(select->optionItem());
        return true;
    }
    ADD_FAILURE() << "the screen shows no options (seltype " << question->seltype << ")";
    return false;
}

bool spellWord(const PlayerTurn& turn) {
    auto layers = childrenOf<CFillCellLayer>(turn.screen);
    if (layers.empty()) {
        ADD_FAILURE() << "the screen shows no answer cells";
        return false;
    }
    CFillCellLayer* cells = layers.front();
    const std::vector<std::string> word = CFillCellLayer::splitCharacters(turn.right);
    if (word.size() != cells->answerCells().size()) {
        ADD_FAILURE() << "the right word " << turn.right << " does not fit " << cells->answerCells().size()
                      << " cells";
        return false;
    }
    for (const std::string& wanted : word) {
        CTxtCell* pick = nullptr;
        for (CTxtCell* candidate : cells->candidateCells()) {
            if (!candidate->isVisible() || candidate->text().empty()) continue;
            if ((candidate->text() == wanted) == turn.win) {
                pick = candidate;
                break;
            }
        }
        if (pick == nullptr) {
            ADD_FAILURE() << "no candidate for " << wanted << " in " << turn.right;
            return false;
        }
        tapNode(pick);
    }
    return true;
}

const bool addedVoiceChoose = addScreenPlayer(3, 1, chooseOption);
const bool addedVoiceFill = addScreenPlayer(3, 2, spellWord);
const bool addedVideoChoose = addScreenPlayer(4, 1, chooseOption);
const bool addedVideoFill = addScreenPlayer(4, 2, spellWord);

} // namespace
} // namespace test_support

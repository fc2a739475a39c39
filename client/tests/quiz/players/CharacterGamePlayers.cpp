// Players for the character cell games (text play types 2, 3, 6, 13, 14). Each plays through the
// screen's own taps; where a screen offers no losing move of its own the player lets the clock
// run out, which the server judges wrong.
#include "quiz/ScreenPlayers.h"

#include "quiz/CChoiceSymbolLayer.h"
#include "quiz/CEliminateLayer.h"
#include "quiz/CFillCellLayer.h"
#include "quiz/CHitTxtLayer.h"
#include "quiz/CSortTxtLayer.h"
#include "quiz/CSudokuLayer.h"
#include "widgets/CTxtCell.h"

#include "support/TestSupport.h"

#include "testing/EngineTesting.h"

#include <gtest/gtest.h>

USING_NS_CC;
using namespace test_support;

namespace {

constexpr float kFlight = 0.6f;
// Past the 40-second clock, so the play scene sends "-1".
constexpr float kClockRunsOut = 42;

template <class Screen>
Screen* screenOf(const PlayerTurn& turn, const char* name) {
    auto* screen = dynamic_cast<Screen*>(turn.screen);
    if (screen == nullptr) ADD_FAILURE() << "the shown screen is not a " << name;
    return screen;
}

bool loseByClock(const PlayerTurn& turn) {
    turn.wait(kClockRunsOut);
    return true;
}

bool playSudoku(const PlayerTurn& turn) {
    auto* board = screenOf<CSudokuLayer>(turn, "CSudokuLayer");
    if (board == nullptr) return false;
    const std::vector<std::string> fill = CFillCellLayer::splitCharacters(turn.right);
    std::size_t k = 0;
    for (int i = 0; i < CSudokuLayer::kBoardCells; ++i) {
        if (!board->isBlank(i) || !board->gridCell(i)->isVisible()) continue;
        const std::string want = k < fill.size() ? fill[k] : "";
        tapNode(board->gridCell(i));
        CTxtCell* pick = nullptr;
        for (int j = 0; j < CSudokuLayer::kCandidates && pick == nullptr; ++j) {
            CTxtCell* candidate = board->candidate(j);
            if (!candidate->isVisible()) continue;
            // Losing: the first blank takes a character it does not want.
            const bool fits = candidate->character() == want;
            if (turn.win ? fits : (k == 0 ? !fits : fits)) pick = candidate;
        }
        if (pick == nullptr && !turn.win) {
            for (int j = 0; j < CSudokuLayer::kCandidates && pick == nullptr; ++j) {
                if (board->candidate(j)->isVisible()) pick = board->candidate(j);
            }
        }
        if (pick == nullptr) {
            ADD_FAILURE() << "no candidate left for blank " << i << " (wants " << want << ")";
            return false;
        }
        tapNode(pick);
        turn.wait(kFlight);
        ++k;
    }
    return true;
}

bool playPunctuation(const PlayerTurn& turn) {
    auto* screen = screenOf<CChoiceSymbolLayer>(turn, "CChoiceSymbolLayer");
    if (screen == nullptr) return false;
    const std::vector<std::string> sentence = CFillCellLayer::splitCharacters(turn.right);
    bool wrongPlaced = false;
    for (std::size_t i = 0; i < screen->cells().size(); ++i) {
        if (!screen->isBlank(static_cast<int>(i))) continue;
        const std::string want = i < sentence.size() ? sentence[i] : "";
        CTxtCell* pick = nullptr;
        for (CTxtCell* candidate : screen->candidates()) {
            const bool fits = candidate->character() == want;
            if (pick == nullptr && (turn.win || wrongPlaced ? fits : !fits)) pick = candidate;
        }
        if (pick == nullptr && !turn.win) continue;
        if (pick == nullptr) {
            ADD_FAILURE() << "no mark " << want << " offered for blank " << i;
            return false;
        }
        if (pick->character() != want) wrongPlaced = true;
        tapNode(screen->cells()[i]);
        tapNode(pick);
        turn.wait(kFlight);
    }
    // Only one mark was offered and it fits everywhere: no wrong sentence can be made.
    return turn.win || wrongPlaced ? true : loseByClock(turn);
}

bool playHitText(const PlayerTurn& turn) {
    auto* screen = screenOf<CHitTxtLayer>(turn, "CHitTxtLayer");
    if (screen == nullptr) return false;
    auto hiddenTarget = [&](const std::string& text) {
        for (CTxtCell* target : screen->targets()) {
            if (!target->isTextShown() && target->text() == text) return true;
        }
        return false;
    };
    auto allCaught = [&] {
        for (CTxtCell* target : screen->targets()) {
            if (!target->isTextShown()) return false;
        }
        return true;
    };
    for (float waited = 0; waited < 40; waited += 0.1f) {
        for (std::size_t i = 0; i < screen->items().size(); ++i) {
            if (!screen->isItemShown(static_cast<int>(i))) continue;
            CTxtCell* item = screen->items()[i];
            if (turn.win && hiddenTarget(item->text())) {
                tapNode(item);
            } else if (!turn.win && !hiddenTarget(item->text())) {
                // Three chances, then the fourth wrong tap loses.
                for (int tap = 0; tap <= CHitTxtLayer::kChances; ++tap) tapNode(item);
                return true;
            }
        }
        if (turn.win && allCaught()) {
            turn.wait(1.0f);
            return true;
        }
        turn.wait(0.1f);
    }
    if (turn.win) {
        ADD_FAILURE() << "the falling characters were gone before every target was caught";
        return false;
    }
    // No decoy ever fell: every character was wanted.
    return loseByClock(turn);
}

bool playSortText(const PlayerTurn& turn) {
    auto* screen = screenOf<CSortTxtLayer>(turn, "CSortTxtLayer");
    if (screen == nullptr) return false;
    // Every tap of two cells only swaps them; only the clock can lose this game.
    if (!turn.win) return loseByClock(turn);
    const std::vector<std::string> want = CFillCellLayer::splitCharacters(turn.right);
    for (std::size_t i = 0; i < want.size() && i < screen->cells().size(); ++i) {
        if (screen->cells()[i]->character() == want[i]) continue;
        std::size_t j = i + 1;
        while (j < screen->cells().size() && screen->cells()[j]->character() != want[i]) ++j;
        if (j == screen->cells().size()) {
            ADD_FAILURE() << "no cell holds " << want[i];
            return false;
        }
        tapNode(screen->cells()[i]);
        tapNode(screen->cells()[j]);
        turn.wait(kFlight);
    }
    return true;
}

bool playEliminate(const PlayerTurn& turn) {
    auto* screen = screenOf<CEliminateLayer>(turn, "CEliminateLayer");
    if (screen == nullptr) return false;
    const std::vector<CTxtCell*> cells = screen->cells();
    for (CTxtCell* cell : cells) {
        const auto index = static_cast<std::size_t>(cell->getTag() - CEliminateLayer::kCellTagBase);
        const bool mustGo = index >= turn.right.size() || turn.right[index] == '0';
        if (turn.win == mustGo) tapNode(cell);
        if (!turn.win && !mustGo) return true; // a cell to keep: "-1" at once
    }
    turn.wait(CEliminateLayer::kCloseSeconds + CEliminateLayer::kSendDelay);
    return turn.win ? true : loseByClock(turn);
}

const bool added = addScreenPlayer(1, 2, playSudoku) && addScreenPlayer(1, 3, playHitText) &&
                   addScreenPlayer(1, 6, playSortText) && addScreenPlayer(1, 13, playPunctuation) &&
                   addScreenPlayer(1, 14, playEliminate);

} // namespace

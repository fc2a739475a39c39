// Players of the picture-guess screens: spell the picture's name from the candidates, tap the
// missing colour, find every difference (or miss until the clock runs out).
#include "quiz/ScreenPlayers.h"

#include "quiz/CFillCellLayer.h"
#include "quiz/CFindGraphLayer.h"
#include "quiz/CGuessColorLayer.h"
#include "quiz/CGuessGraphLayer.h"
#include "quiz/CPlayLayer.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CImageView.h"
#include "widgets/CTxtCell.h"

#include "testing/EngineTesting.h"

#include <gtest/gtest.h>

USING_NS_CC;

namespace test_support {
namespace {

void tapIn(CCNode* parent, const CCPoint& local) {
    const CCPoint world = parent->convertToWorldSpace(local);
    engine::testing::tap(world.x, world.y);
}

// The cells keep a lone "&" doubled.
std::string cellText(const std::string& character) { return character == "&" ? "&&" : character; }

bool playGuessPicture(const PlayerTurn& turn) {
    auto* screen = dynamic_cast<CGuessGraphLayer*>(turn.screen);
    CFillCellLayer* cells = screen ? screen->cells() : nullptr;
    if (cells == nullptr) {
        ADD_FAILURE() << "no answer cells on the guess-the-picture screen";
        return false;
    }
    const auto& candidates = cells->candidateCells();
    const std::size_t length = cells->answerCells().size();
    const std::vector<std::string> right = CFillCellLayer::splitCharacters(turn.right);
    std::vector<CTxtCell*> taps;
    if (turn.win) {
        std::vector<bool> used(candidates.size(), false);
        for (const std::string& character : right) {
            std::size_t i = 0;
            while (i < candidates.size() && (used[i] || candidates[i]->text() != cellText(character))) ++i;
            if (i == candidates.size()) {
                ADD_FAILURE() << "\"" << character << "\" of \"" << turn.right << "\" is no candidate";
                return false;
            }
            used[i] = true;
            taps.push_back(candidates[i]);
        }
    } else {
        // A first character other than the right one's makes the word wrong whatever follows.
        for (CTxtCell* candidate : candidates) {
            const bool first = taps.empty();
            if (!candidate->isVisible() || (first && !right.empty() && candidate->text() == cellText(right[0]))) continue;
            taps.push_back(candidate);
            if (taps.size() == length) break;
        }
    }
    if (taps.size() != length) {
        ADD_FAILURE() << "the word needs " << length << " cells, the player found " << taps.size() << " candidates";
        return false;
    }
    for (CTxtCell* candidate : taps) tapIn(cells, candidate->getPosition());
    return true;
}

bool playGuessColour(const PlayerTurn& turn) {
    auto* screen = dynamic_cast<CGuessColorLayer*>(turn.screen);
    const QuestionRecord* question = QuizData::instance().current.get();
    if (screen == nullptr || question == nullptr) {
        ADD_FAILURE() << "no missing-colour screen";
        return false;
    }
    const auto& squares = screen->squares();
    for (std::size_t k = 0; k < squares.size() && k < question->answers.size(); ++k) {
        if (squares[k] == nullptr || (question->answers[k] == turn.right) != turn.win) continue;
        const CCRect box = squares[k]->boundingBox();
        tapIn(screen, ccp(box.getMidX(), box.getMidY()));
        return true;
    }
    ADD_FAILURE() << "no square to tap for " << (turn.win ? "the right colour " : "a colour other than ") << turn.right;
    return false;
}

bool playSpotDifference(const PlayerTurn& turn) {
    auto* screen = dynamic_cast<CFindGraphLayer*>(turn.screen);
    if (screen == nullptr || screen->picture(0) == nullptr) {
        ADD_FAILURE() << "no spot-the-difference screen";
        return false;
    }
    if (turn.win) {
        // Both pictures take finds: alternate between them.
        for (std::size_t k = 0; k < screen->differences().size(); ++k) {
            const CCRect box = screen->differenceOnScreen(static_cast<int>(k % 2), k);
            tapIn(screen, ccp(box.getMidX(), box.getMidY()));
        }
        return true;
    }
    // Misses on the left picture until the clock is empty; its next tick sends "-1".
    CImageView* left = screen->picture(0);
    // The view's position is its centre.
    const CCSize size = left->getContentSize();
    const CCRect picture(left->getPositionX() - size.width / 2, left->getPositionY() - size.height / 2, size.width,
                         size.height);
    CCPoint miss(-1, -1);
    for (float y = picture.getMinY() + 5; y < picture.getMaxY() && miss.x < 0; y += 10) {
        for (float x = picture.getMinX() + 5; x < picture.getMaxX() && miss.x < 0; x += 10) {
            bool onDifference = false;
            for (std::size_t k = 0; k < screen->differences().size(); ++k) {
                onDifference = onDifference || screen->differenceOnScreen(0, k).containsPoint(ccp(x, y));
            }
            if (!onDifference) miss = ccp(x, y);
        }
    }
    CPlayLayer* host = QuestionStage::instance().host();
    if (miss.x < 0 || host == nullptr) {
        ADD_FAILURE() << "no place on the picture outside every difference";
        return false;
    }
    for (int i = 0; i < 10 && host->remaining() > 0; ++i) tapIn(screen, miss);
    turn.wait(1.5f);
    return true;
}

const bool added = addScreenPlayer(2, 4, playGuessPicture) && addScreenPlayer(2, 11, playGuessPicture) &&
                   addScreenPlayer(2, 5, playGuessColour) && addScreenPlayer(2, 6, playSpotDifference);

} // namespace
} // namespace test_support

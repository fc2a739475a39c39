// Players of the picture games: the puzzle, picking the pieces, the memory cards and the shell game.
#include "quiz/ScreenPlayers.h"

#include "quiz/CImageMoveLayer.h"
#include "quiz/CPickLayer.h"
#include "quiz/CPuzzleLayer.h"
#include "quiz/RakeLayer.h"

#include "support/TestSupport.h"

#include "testing/EngineTesting.h"

#include <gtest/gtest.h>

#include <set>

USING_NS_CC;

namespace test_support {

namespace {

// Longer than a whole question's clock: the play scene answers "-1" for the player.
constexpr float kRunOutOfTime = 45;

bool playPuzzle(const PlayerTurn& turn) {
    auto* screen = dynamic_cast<CPuzzleLayer*>(turn.screen);
    if (screen == nullptr || screen->pieces().size() != 9u || turn.right.size() < 9) {
        ADD_FAILURE() << "no puzzle board to play";
        return false;
    }
    if (!turn.win) {
        // A puzzle has no losing move: the player lets the clock run out.
        turn.wait(kRunOutOfTime);
        return true;
    }
    // Square by square, fetch the piece that belongs there.
    for (std::size_t square = 0; square < 9 && !screen->isSolved(); ++square) {
        if (screen->pieces()[square].label == turn.right[square]) continue;
        std::size_t from = square + 1;
        while (from < 9 && screen->pieces()[from].label != turn.right[square]) ++from;
        if (from == 9) {
            ADD_FAILURE() << "no piece labelled " << turn.right[square];
            return false;
        }
        tapNode(screen->pieces()[square].sprite);
        tapNode(screen->pieces()[from].sprite);
        turn.wait(CPuzzleLayer::kSwapSeconds + 0.1f);
    }
    return screen->isSolved();
}

bool playPick(const PlayerTurn& turn) {
    auto* screen = dynamic_cast<CPickLayer*>(turn.screen);
    if (screen == nullptr || screen->slots().size() != 9u || screen->pieces().size() != 16u) {
        ADD_FAILURE() << "no pieces to pick";
        return false;
    }
    std::set<std::string> wanted;
    for (const auto& slot : screen->slots()) wanted.insert(slot.label);
    if (!turn.win) {
        // Seven wrong pieces cost 42 seconds: the clock is empty and its next tick answers "-1".
        for (const auto& piece : screen->pieces()) {
            if (!wanted.count(piece.label)) tapNode(piece.sprite);
        }
        turn.wait(2);
        return true;
    }
    for (const auto& slot : screen->slots()) {
        for (const auto& piece : screen->pieces()) {
            if (piece.label == slot.label && !piece.taken) {
                tapNode(piece.sprite);
                break;
            }
        }
    }
    turn.wait(CPickLayer::kFlySeconds + 0.1f);
    return screen->isSubmitted();
}

bool playMemoryCards(const PlayerTurn& turn) {
    auto* screen = dynamic_cast<RakeLayer*>(turn.screen);
    if (screen == nullptr || screen->cards().size() != 8u) {
        ADD_FAILURE() << "no memory cards to play";
        return false;
    }
    if (!turn.win) {
        // The screen's only answer is the right one: losing is leaving the cards until time runs out.
        turn.wait(kRunOutOfTime);
        return true;
    }
    const auto& cards = screen->cards();
    const float glimpse = RakeLayer::kGlimpseSeconds + 0.05f;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (cards[i].found) continue;
        for (std::size_t j = i + 1; j < cards.size(); ++j) {
            if (cards[j].pair != cards[i].pair) continue;
            engine::testing::tap(RakeLayer::placeOf(static_cast<int>(i)).x, RakeLayer::placeOf(static_cast<int>(i)).y);
            turn.wait(glimpse);
            engine::testing::tap(RakeLayer::placeOf(static_cast<int>(j)).x, RakeLayer::placeOf(static_cast<int>(j)).y);
            turn.wait(glimpse);
            break;
        }
    }
    return screen->pairsFound() == RakeLayer::kPairs;
}

bool playShellGame(const PlayerTurn& turn) {
    auto* screen = dynamic_cast<CImageMoveLayer*>(turn.screen);
    if (screen == nullptr || screen->cards().size() != 4u) {
        ADD_FAILURE() << "no shell game to play";
        return false;
    }
    // Show, turn, at most twelve swaps.
    for (int step = 0; step < 40 && !screen->isWaitingForTap(); ++step) turn.wait(0.5f);
    if (!screen->isWaitingForTap()) {
        ADD_FAILURE() << "the cards never stopped moving";
        return false;
    }
    CCNode* pick = screen->carrotCard();
    if (!turn.win) {
        for (CCNode* card : screen->cards()) {
            if (card != pick) {
                pick = card;
                break;
            }
        }
    }
    tapNode(pick);
    return true;
}

const bool added = addScreenPlayer(2, 1, playPuzzle) && addScreenPlayer(2, 2, playPick) &&
                   addScreenPlayer(2, 3, playMemoryCards) && addScreenPlayer(2, 14, playShellGame);

} // namespace

} // namespace test_support

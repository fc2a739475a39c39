// A test player for every question screen: it finishes the shown screen through the screen's own
// touches, either the way the bank's "right" wants (win) or a way the server must judge wrong.
// The run against the real server drives every (game type, play type) pair through these.
//
// Players live in players/<Group>Players.cpp and register themselves at start-up:
//     static const bool added = addScreenPlayer(1, 2, playSudoku);
#pragma once

#include <functional>
#include <string>

class CQuestionLayer;

namespace test_support {

struct PlayerTurn {
    // The shown screen, with QuizData's current question drawn and its downloads finished.
    CQuestionLayer* screen = nullptr;
    // The bank's "right" for the current question.
    std::string right;
    // Play to the right answer, or to one that must be judged wrong.
    bool win = true;
    // Lets game time pass on the manual clock, handling the network meanwhile.
    std::function<void(float seconds)> wait;
};

// Returns false (after saying why through ADD_FAILURE) when the screen could not be played.
using ScreenPlayer = std::function<bool(const PlayerTurn&)>;

bool addScreenPlayer(int gameType, int playType, ScreenPlayer player);
// Null when no player was registered for the pair.
const ScreenPlayer* screenPlayer(int gameType, int playType);

} // namespace test_support

// Right or wrong for a submitted answer text. The client never judges; it sends what its screen
// produced: an option's text, the characters placed, the sentence composed, or "0" / "right" from
// the screens that decide for themselves when the player has finished.
#pragma once

#include "quiz/BankEntry.h"

#include <string_view>

namespace server::quiz {

class AnswerJudge {
public:
    // The answer sent when the clock ran out. Never right, whatever the bank says.
    static constexpr std::string_view kTimedOut = "-1";

    static bool isRight(const BankEntry& entry, std::string_view answer);

    // Screens where the player picks one of the "answer" options.
    static bool hasOptions(int gameType, int playType);
};

} // namespace server::quiz

// The question answer (request "system" 2) as the client receives it: the bank line without the
// key. Only the eliminate board needs "right" on screen (it is the mask of cells to keep); every
// other screen would just be handing the player the answer.
#pragma once

#include "quiz/BankEntry.h"

namespace server::quiz {

class QuestionView {
public:
    static Json::Value forClient(const BankEntry& entry);
    // For play against others (contests, team rounds, exams): never the key, whatever the screen.
    static Json::Value withoutKey(const BankEntry& entry);
    static bool screenReadsRight(int gameType, int playType) { return gameType == 1 && playType == 14; }
};

} // namespace server::quiz

// The per-screen half of the bank rules: the shape of "answer", the media members and the "right"
// that each question screen can send back.
#pragma once

#include "quiz/BankEntry.h"

#include <string>
#include <vector>

namespace server::quiz {

class PlayTypeRules {
public:
    static void check(const BankEntry& entry, std::vector<std::string>& problems);

    // The slot labels of a picking board are the pieces of the picture's top left 3 by 3 block,
    // which in a 4 by 4 cut, row by row, are these.
    static constexpr int kPickSlots[9] = {0, 1, 2, 4, 5, 6, 8, 9, 10};
    static constexpr int kCandidateCells = 24;
    static constexpr int kSudokuCells = 32;
};

} // namespace server::quiz

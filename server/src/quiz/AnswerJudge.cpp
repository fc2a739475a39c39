#include "quiz/AnswerJudge.h"

#include <charconv>

namespace server::quiz {

bool AnswerJudge::hasOptions(int g, int p)
{
    switch (g) {
    case 1: return (p >= 7 && p <= 11) || p == 15;
    case 2: return p == 5 || p == 7 || p == 13;
    case 3: case 4: return p == 1;
    default: return false;
    }
}

bool AnswerJudge::isRight(const BankEntry& entry, std::string_view answer)
{
    if (answer.empty() || answer == kTimedOut)
        return false;
    if (answer == entry.right)
        return true;
    if (!hasOptions(entry.gameType, entry.playType))
        return false;
    // Some option screens report the position of the option rather than its text. Take a bare
    // index only when no option reads like that index, so the two forms can never be confused.
    const auto& options = entry.body["answer"];
    for (const auto& option : options)
        if (option.asString() == answer)
            return false;
    int index = -1;
    const auto [end, error] = std::from_chars(answer.data(), answer.data() + answer.size(), index);
    if (error != std::errc() || end != answer.data() + answer.size() || index < 0 ||
        index >= static_cast<int>(options.size()))
        return false;
    return options[index].asString() == entry.right;
}

} // namespace server::quiz

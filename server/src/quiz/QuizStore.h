// The question bank and each player's day in the database: which questions exist, which ones a
// player was shown today and which of those were answered.
#pragma once

#include "quiz/BankEntry.h"

#include <optional>
#include <set>
#include <vector>

namespace server {
class Storage;
}

namespace server::quiz {

class QuizStore {
public:
    explicit QuizStore(Storage& storage); // creates or migrates the quiz tables

    int questionCount();
    // Adds the entries, replacing stored questions with the same qsid, all or nothing.
    void storeQuestions(const std::vector<BankEntry>& entries);
    std::vector<int> questionIds();
    std::optional<BankEntry> find(int qsid);

    std::set<int> answeredOn(int playerId, int day);
    void markAsked(int playerId, int day, int qsid);

    enum class Claim { Claimed, NotAsked, AlreadyAnswered };
    // Records the answer once: a question counts only when it was handed out that day and not
    // yet answered, so a replayed request earns nothing.
    Claim claimAnswer(int playerId, int day, int qsid, bool right);

private:
    Storage& m_storage;
};

} // namespace server::quiz

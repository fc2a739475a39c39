// The question bank and each player's day in the database: which questions exist, which ones a
// player was shown today and which of those were answered.
#pragma once

#include "quiz/BankEntry.h"
#include "storage/Storage.h"

#include <optional>
#include <set>
#include <vector>

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

    // One answer is claimed, paid and recorded inside one transaction of the caller's, together
    // with the player's new score and money (PlayerStore::addProgress), so a crash or a racing
    // second request can neither pay without the record nor record without the pay.
    enum class Claim { Claimed, NotAsked, AlreadyAnswered };
    // A question counts only when it was handed out that day and not yet answered, so a replayed
    // or racing request earns nothing.
    Claim claimAnswer(Storage::Transaction& within, int playerId, int day, int qsid, bool right);
    // What the claimed answer paid, kept beside it.
    void recordPayment(Storage::Transaction& within, int playerId, int day, int qsid, int score, int money);
    // A scratch card's award is paid once per player and card, whatever the day: false when it
    // was paid before.
    bool claimScratchAward(Storage::Transaction& within, int playerId, int qsid, int day, int awardType,
                           int awardNum);

private:
    Storage& m_storage;
};

} // namespace server::quiz

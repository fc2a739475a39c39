// What one answer earns. Rules (also in server/bank/README.md): a right answer earns 10 score
// and the question's "prizemoney" in money, both times "multiple" for a golden egg; a scratch
// card's uncovered award is added on top as score or money by its "awardtype"; a wrong answer or
// a time-out earns nothing. Every judged answer counts once towards "answercount".
#pragma once

#include "quiz/BankEntry.h"

namespace server::quiz {

struct AnswerRewards {
    static constexpr int kRightScore = 10;

    int addScore = 0; // sent as "addscore"; the award is reported apart, as the client adds both
    int addMoney = 0; // sent as "addmoney"
    int awardType = 0;
    int awardNum = 0; // the award actually paid
    // The client claimed an award its card cannot hold (below 0 or above the card's): it was cut
    // to what the card holds, and the caller logs the claim.
    bool awardClaimOutOfRange = false;

    int totalScore() const { return addScore + (awardType == 1 ? awardNum : 0); }
    int totalMoney() const { return addMoney + (awardType == 2 ? awardNum : 0); }

    void dropAward()
    {
        awardType = 0;
        awardNum = 0;
    }

    static AnswerRewards forAnswer(const BankEntry& entry, bool right, int claimedAward);
};

} // namespace server::quiz

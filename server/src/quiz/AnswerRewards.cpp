#include "quiz/AnswerRewards.h"

#include <algorithm>

namespace server::quiz {

AnswerRewards AnswerRewards::forAnswer(const BankEntry& entry, bool right, int claimedAward)
{
    AnswerRewards rewards;
    if (!right)
        return rewards;
    rewards.addScore = kRightScore;
    rewards.addMoney = std::max(0, entry.body["prizemoney"].asInt());
    if (entry.gameType == 2 && entry.playType == 13) {
        // The client reports what the player uncovered; it can never claim more than the card holds.
        rewards.awardType = entry.body["awardtype"].asInt();
        rewards.awardNum = std::clamp(claimedAward, 0, std::max(0, entry.body["awardnum"].asInt()));
        if (rewards.awardNum == 0)
            rewards.awardType = 0;
    }
    return rewards;
}

} // namespace server::quiz

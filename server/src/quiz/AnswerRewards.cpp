#include "quiz/AnswerRewards.h"

#include <algorithm>

namespace server::quiz {

AnswerRewards AnswerRewards::forAnswer(const BankEntry& entry, bool right, int claimedAward)
{
    AnswerRewards rewards;
    if (!right)
        return rewards;
    // A golden egg's box told the player the question pays "multiple" times.
    const int times = entry.gameType == 1 && entry.playType == 15 ? std::max(1, entry.body["multiple"].asInt()) : 1;
    rewards.addScore = kRightScore * times;
    rewards.addMoney = std::max(0, entry.body["prizemoney"].asInt()) * times;
    if (entry.gameType == 2 && entry.playType == 13) {
        // The screen sends 0 (never uncovered) or what the card holds; a client can never claim
        // more than the card holds, nor take anything with a negative claim.
        const int onCard = std::max(0, entry.body["awardnum"].asInt());
        rewards.awardClaimOutOfRange = claimedAward < 0 || claimedAward > onCard;
        rewards.awardNum = std::clamp(claimedAward, 0, onCard);
        rewards.awardType = rewards.awardNum > 0 ? entry.body["awardtype"].asInt() : 0;
    }
    return rewards;
}

} // namespace server::quiz

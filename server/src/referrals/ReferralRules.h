// The referral reward and the figures around it, in one place so the README, the store and the
// tests agree.
#pragma once

namespace server::referrals {

// A registered player with a referrer who has recorded this many answers earns the referrer
// kRewardMoney golden carrots (money), once per referred player.
constexpr int kRewardAnswers = 50;
constexpr int kRewardMoney = 20;

// A referred player counts as active when it answered a question within this many days,
// today included.
constexpr int kActiveDays = 7;

// Rows per page of the referral list.
constexpr int kPageRows = 100;

} // namespace server::referrals

// The numbers of one-to-one contests and challenges of the king. Times are milliseconds of the
// contest clock (ContestClock).
#pragma once

#include <cstdint>

namespace server::contests {

enum MatchType { kOneToOne = 1, kTeams = 2, kKing = 3, kExam = 4 };

constexpr bool validMatchType(int type) { return type >= kOneToOne && type <= kExam; }

constexpr int kQuestions = 5;
constexpr std::int64_t kAnswerMs = 40'000;  // a player's time for one question
constexpr std::int64_t kGraceMs = 2'000;    // the answer's trip back
constexpr std::int64_t kAbsentMs = 30'000;  // without heartbeats this long, a player loses the place
constexpr std::int64_t kSearchMs = 35'000;  // a lone search gives up (the client waits 40 s)
constexpr std::int64_t kInviteMs = 8'000;   // a lone searcher is offered to an idle player after this
constexpr std::int64_t kChallengeMs = 30'000; // a challenge waits this long for its answer
constexpr int kPointsPerRight = 10;
constexpr int kWinnerMoney = 10;
constexpr int kTieMoney = 3;

struct DailyCounts {
    int free = 0; // contests a day that cost nothing
    int max = 0;  // contests a day at all
    int cost = 0; // money a paid one takes
};

// Teams and exams are not played yet; they are listed with one free contest a day.
constexpr DailyCounts dailyCounts(int type) {
    switch (type) {
    case kOneToOne: return {3, 10, 5};
    case kKing: return {1, 5, 10};
    default: return {1, 1, 0};
    }
}

} // namespace server::contests

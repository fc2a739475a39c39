// The numbers of teams and team matches. Times are milliseconds of the contest clock.
#pragma once

#include <cstdint>

namespace server::teams {

constexpr int kMinMembers = 2;
constexpr int kMaxMembers = 5;
constexpr int kCreateCost = 10;        // carrots a new team takes from its creator
constexpr int kPageSize = 5;           // teams per page of the team list
constexpr int kRankedTeams = 50;
constexpr int kRoundQuestions = 5;
constexpr int kPointsPerRight = 10;
constexpr std::int64_t kAnswerMs = 40'000;               // one question, from its fetch
constexpr std::int64_t kGraceMs = 2'000;                 // the answer's trip back
constexpr std::int64_t kRoundMs = kRoundQuestions * kAnswerMs + 20'000; // a round's longest run
constexpr std::int64_t kRoundGapMs = 60'000;             // from a round's end to the next one's start
constexpr std::int64_t kListLeadMs = 60'000;             // question ids go out this long before a start
constexpr std::int64_t kSignUpCloseMs = 5 * 60'000;      // sign-ups close this long before round 0
constexpr std::int64_t kAnnounceMs = 5 * 60'000;         // status 1 this long before a round
constexpr std::int64_t kSurvivedShowMs = 15'000;         // status 4 after a round the team survived
constexpr std::int64_t kMoveOnMs = 10 * 60'000;          // the entry moves on after the final round

// Places that decide the prize tier ("times" of a type 2 tier).
enum Place { kWinner = 1, kRunnerUp = 2, kPlayed = 3 };

// The status a heartbeat and a team record carry.
enum MatchStatus { kNotIn = 0, kWaiting = 1, kPlaying = 2, kOut = 4 };

} // namespace server::teams

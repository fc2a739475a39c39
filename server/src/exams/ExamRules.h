// The numbers of the daily exam. Times are milliseconds of the contest clock.
#pragma once

#include <cstdint>

namespace server::exams {

constexpr int kExamQuestions = 10;
constexpr int kOpensAt = 10 * 3600;  // local seconds of the day
constexpr int kClosesAt = 22 * 3600;
constexpr int kMoneyPerRight = 2;
constexpr int kPointsPerRight = 10;
constexpr std::int64_t kAnswerMs = 40'000;
constexpr std::int64_t kGraceMs = 2'000;

} // namespace server::exams

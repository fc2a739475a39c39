// Which question ids a player gets for the day: every question not yet answered that day, in an
// order of its own for each player and day (so two friends do not see the same sequence), stable
// through the day so that asking again continues where the player left off.
#pragma once

#include <set>
#include <vector>

namespace server::quiz {

class DailyQuestionList {
public:
    static constexpr int kListLength = 30; // ids per answer; the client asks again when it runs dry

    static std::vector<int> build(const std::vector<int>& allIds, const std::set<int>& answeredToday,
                                  int playerId, int day, int limit = kListLength);

    // Days are counted as yyyymmdd in UTC.
    static int today();
};

} // namespace server::quiz

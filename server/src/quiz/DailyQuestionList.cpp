#include "quiz/DailyQuestionList.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <random>

namespace server::quiz {

std::vector<int> DailyQuestionList::build(const std::vector<int>& allIds, const std::set<int>& answeredToday,
                                          int playerId, int day, int limit)
{
    std::vector<int> ids(allIds);
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    // Our own Fisher-Yates over mt19937: std::shuffle may differ between standard libraries, and
    // the order must not change under a player in the middle of a day.
    std::mt19937 random(static_cast<std::uint32_t>(playerId) * 2654435761u ^ static_cast<std::uint32_t>(day));
    for (std::size_t i = ids.size(); i > 1; --i) {
        const auto j = static_cast<std::size_t>(random() % i);
        std::swap(ids[i - 1], ids[j]);
    }
    std::vector<int> list;
    for (int id : ids) {
        if (static_cast<int>(list.size()) >= limit)
            break;
        if (!answeredToday.count(id))
            list.push_back(id);
    }
    return list;
}

int DailyQuestionList::today()
{
    const auto now = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const std::chrono::year_month_day date(now);
    return static_cast<int>(date.year()) * 10000 + static_cast<int>(static_cast<unsigned>(date.month())) * 100 +
           static_cast<int>(static_cast<unsigned>(date.day()));
}

} // namespace server::quiz

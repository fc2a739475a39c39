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
    std::vector<bool> met(kChoiceKinds, false);
    for (int id : answeredToday)
        if (const int kind = choiceKind(id); kind >= 0)
            met[kind] = true;
    std::vector<int> leads, rest;
    for (int id : ids) {
        if (answeredToday.count(id))
            continue;
        const int kind = choiceKind(id);
        if (kind >= 0 && !met[kind]) {
            met[kind] = true;
            leads.push_back(id);
        } else {
            rest.push_back(id);
        }
    }
    leads.insert(leads.end(), rest.begin(), rest.end());
    if (static_cast<int>(leads.size()) > limit)
        leads.resize(static_cast<std::size_t>(std::max(0, limit)));
    return leads;
}

int DailyQuestionList::choiceKind(int qsid)
{
    const int gameType = qsid / 100000;
    const int playType = qsid / 1000 % 100;
    if (gameType == 1) {
        switch (playType) {
        case 7: case 8: case 9: case 10: case 11: return 0;
        case 15: return 1;
        case 1: return 2;
        case 4: return 3;
        default: return -1;
        }
    }
    if (gameType == 2) {
        switch (playType) {
        case 7: return 4;
        case 13: return 5;
        case 8: return 6;
        case 9: return 7;
        case 12: return 8;
        default: return -1;
        }
    }
    return -1;
}

int DailyQuestionList::today()
{
    const auto now = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const std::chrono::year_month_day date(now);
    return static_cast<int>(date.year()) * 10000 + static_cast<int>(static_cast<unsigned>(date.month())) * 100 +
           static_cast<int>(static_cast<unsigned>(date.day()));
}

} // namespace server::quiz

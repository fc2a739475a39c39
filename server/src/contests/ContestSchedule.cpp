#include "contests/ContestSchedule.h"

#include "contests/ContestClock.h"
#include "contests/ContestRules.h"

#include <utility>
#include <vector>

namespace server::contests {

namespace {

constexpr int kSaturday = 6;

int at(int hour, int minute, int second = 0) { return hour * 3600 + minute * 60 + second; }

} // namespace

ContestSchedule::Session ContestSchedule::session(int type, std::int64_t now) {
    // Looks at today and the next two days for the first session that has not ended yet.
    for (int day = 0; day < 3; ++day) {
        const int weekday = (ContestClock::local(now).weekday + day) % 7;
        std::vector<std::pair<int, int>> windows;
        switch (type) {
        case kOneToOne: windows = {{0, at(23, 59, 59)}}; break;
        case kKing: windows = {{at(8, 0), at(23, 30)}}; break;
        default:
            if (weekday == kSaturday) {
                windows.push_back({at(19, 0), at(19, 30)});
            }
            windows.push_back({at(20, 0), at(20, 30)});
            break;
        }
        for (const auto& [from, to] : windows) {
            const Session s{ContestClock::atLocal(now, day, from), ContestClock::atLocal(now, day, to)};
            if (now <= s.end) {
                return s;
            }
        }
    }
    return {};
}

bool ContestSchedule::isOpen(int type, std::int64_t now) {
    const Session s = session(type, now);
    return s.start <= now && now <= s.end;
}

Json::Value ContestSchedule::entries(std::int64_t now) {
    Json::Value list(Json::arrayValue);
    const std::string serverTime = ContestClock::stamp(now);
    for (int type = kOneToOne; type <= kExam; ++type) {
        const DailyCounts counts = dailyCounts(type);
        const Session s = session(type, now);
        Json::Value e(Json::objectValue);
        e["matchtype"] = type;
        e["delmoney"] = counts.cost;
        e["pkfreecount"] = counts.free;
        e["pkmaxcount"] = counts.max;
        e["matchid"] = type;
        e["level"] = 0;
        e["status"] = 1;
        e["starttime"] = ContestClock::stamp(s.start);
        e["endtime"] = ContestClock::stamp(s.end);
        e["servertime"] = serverTime;
        list.append(std::move(e));
    }
    return list;
}

} // namespace server::contests

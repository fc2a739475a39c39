#include "contests/ContestClock.h"

#include "app/ServerConfig.h"

#include <cstdio>
#include <ctime>

namespace server::contests {

std::int64_t ContestClock::nowMs(const ServerConfig& config) {
    const auto now = config.contestClock ? config.contestClock() : std::chrono::system_clock::now();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
}

ContestClock::Local ContestClock::local(std::int64_t ms) {
    const std::time_t t = static_cast<std::time_t>(ms / 1000);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, tm.tm_wday};
}

std::int64_t ContestClock::atLocal(std::int64_t ms, int dayOffset, int seconds) {
    const Local l = local(ms);
    std::tm tm{};
    tm.tm_year = l.year - 1900;
    tm.tm_mon = l.month - 1;
    tm.tm_mday = l.day + dayOffset; // mktime carries over month ends
    tm.tm_hour = seconds / 3600;
    tm.tm_min = seconds / 60 % 60;
    tm.tm_sec = seconds % 60;
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&tm)) * 1000;
}

std::string ContestClock::stamp(std::int64_t ms) {
    const Local l = local(ms);
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", l.year, l.month, l.day, l.hour, l.minute, l.second);
    return text;
}

int ContestClock::dayNumber(std::int64_t ms) {
    const Local l = local(ms);
    return l.year * 10000 + l.month * 100 + l.day;
}

} // namespace server::contests

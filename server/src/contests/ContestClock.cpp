#include "contests/ContestClock.h"

#include "app/ServerConfig.h"

#include <cstdio>
#include <ctime>
#include <mutex>

namespace server::contests {

namespace {

// mktime re-reads the time zone on every call and glibc guards that with a lock of its own that
// the thread checker cannot see; one lock of ours around every local-time conversion keeps two
// io threads from meeting there.
std::mutex& zoneLock() {
    static std::mutex lock;
    return lock;
}

std::time_t localToTime(std::tm& tm) {
    std::lock_guard guard(zoneLock());
    return std::mktime(&tm);
}

} // namespace

std::int64_t ContestClock::nowMs(const ServerConfig& config) {
    const auto now = config.contestClock ? config.contestClock() : std::chrono::system_clock::now();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
}

ContestClock::Local ContestClock::local(std::int64_t ms) {
    const std::time_t t = static_cast<std::time_t>(ms / 1000);
    std::tm tm{};
    {
        std::lock_guard guard(zoneLock());
        localtime_r(&t, &tm);
    }
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
    return static_cast<std::int64_t>(localToTime(tm)) * 1000;
}

std::string ContestClock::stamp(std::int64_t ms) {
    const Local l = local(ms);
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", l.year, l.month, l.day, l.hour, l.minute, l.second);
    return text;
}

std::optional<std::int64_t> ContestClock::parseLocal(const std::string& text) {
    static const char kShape[] = "dddd-dd-dd dd:dd:dd";
    if (text.size() != sizeof kShape - 1) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kShape[i] == 'd' ? !digit : text[i] != kShape[i]) {
            return std::nullopt;
        }
    }
    auto field = [&text](std::size_t at, std::size_t length) { return std::stoi(text.substr(at, length)); };
    const Local wanted{field(0, 4), field(5, 2), field(8, 2), field(11, 2), field(14, 2), field(17, 2), 0};
    if (wanted.year < 1970) {
        return std::nullopt;
    }
    std::tm tm{};
    tm.tm_year = wanted.year - 1900;
    tm.tm_mon = wanted.month - 1;
    tm.tm_mday = wanted.day;
    tm.tm_hour = wanted.hour;
    tm.tm_min = wanted.minute;
    tm.tm_sec = wanted.second;
    tm.tm_isdst = -1;
    const std::time_t t = localToTime(tm);
    if (t == static_cast<std::time_t>(-1)) {
        return std::nullopt;
    }
    // mktime carries 2026-02-30 over to March and 25:00 to the next day: only a time that reads
    // back as written is one.
    const std::int64_t ms = static_cast<std::int64_t>(t) * 1000;
    const Local got = local(ms);
    if (got.year != wanted.year || got.month != wanted.month || got.day != wanted.day || got.hour != wanted.hour ||
        got.minute != wanted.minute || got.second != wanted.second) {
        return std::nullopt;
    }
    return ms;
}

int ContestClock::dayNumber(std::int64_t ms) {
    const Local l = local(ms);
    return l.year * 10000 + l.month * 100 + l.day;
}

} // namespace server::contests

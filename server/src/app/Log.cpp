#include "app/Log.h"

#include <atomic>
#include <cstdio>
#include <ctime>
#include <mutex>

namespace server {
namespace {
std::mutex g_mutex;
std::atomic<int> g_level{static_cast<int>(LogLevel::Info)};

void write(std::string_view text) {
    std::string line = Log::timestamp();
    line.push_back(' ');
    line += text;
    line.push_back('\n');
    std::lock_guard lock(g_mutex);
    std::fwrite(line.data(), 1, line.size(), stderr);
}
} // namespace

std::string Log::timestamp() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    std::tm utc{};
    ::gmtime_r(&now.tv_sec, &utc);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", utc.tm_year + 1900, utc.tm_mon + 1,
                  utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec, static_cast<int>(now.tv_nsec / 1'000'000));
    return stamp;
}

void Log::info(std::string_view line) { at(LogLevel::Info, line); }

void Log::debug(std::string_view line) { at(LogLevel::Debug, line); }

void Log::at(LogLevel level, std::string_view line) {
    if (enabled(level)) {
        write(line);
    }
}

void Log::refusal(std::string_view where, std::string_view why) {
    std::string line = "refused ";
    line += where;
    line += ": ";
    line += why;
    write(line);
}

void Log::setLevel(LogLevel level) { g_level.store(static_cast<int>(level), std::memory_order_relaxed); }

LogLevel Log::level() { return static_cast<LogLevel>(g_level.load(std::memory_order_relaxed)); }

bool Log::enabled(LogLevel level) { return g_level.load(std::memory_order_relaxed) >= static_cast<int>(level); }

bool Log::parseLevel(std::string_view text, LogLevel& out) {
    if (text == "quiet") {
        out = LogLevel::Quiet;
    } else if (text == "info") {
        out = LogLevel::Info;
    } else if (text == "debug") {
        out = LogLevel::Debug;
    } else {
        return false;
    }
    return true;
}

} // namespace server

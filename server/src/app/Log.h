// Line-at-a-time log on standard error, each line stamped with the UTC time, safe from any
// thread. Refusals and failures are written at every level; "info" adds one line per request
// (heartbeats only as a count each minute); "debug" adds the heartbeats one by one.
#pragma once

#include <string>
#include <string_view>

namespace server {

enum class LogLevel { Quiet, Info, Debug };

class Log {
public:
    static void info(std::string_view line);
    static void debug(std::string_view line);
    static void at(LogLevel level, std::string_view line);
    // A request turned away or a failure; `where` names the server and peer, or the component.
    static void refusal(std::string_view where, std::string_view why);

    static void setLevel(LogLevel level);
    static LogLevel level();
    // Callers test this before building a line, so lines that are dropped cost nothing.
    static bool enabled(LogLevel level);

    // "quiet", "info" or "debug"; false for anything else.
    static bool parseLevel(std::string_view text, LogLevel& out);
    // "2026-12-09T08:47:25.123Z": the stamp every line starts with.
    static std::string timestamp();
};

} // namespace server

// The contest clock: the configured one (tests move it by hand) or the system's. The schedule and
// the daily counts read the server's local time from it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace server {
struct ServerConfig;
}

namespace server::contests {

class ContestClock {
public:
    // Milliseconds since 1970.
    static std::int64_t nowMs(const ServerConfig& config);

    struct Local {
        int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
        int weekday = 0; // 0 Sunday
    };
    static Local local(std::int64_t ms);
    // The local midnight of the day of `ms`, plus `seconds`.
    static std::int64_t atLocal(std::int64_t ms, int dayOffset, int seconds);
    // "yyyyMMddHHmmss", local time.
    static std::string stamp(std::int64_t ms);
    // yyyymmdd, local time: the day the daily counts belong to.
    static int dayNumber(std::int64_t ms);
    // "YYYY-MM-DD HH:MM:SS" as a local time, in milliseconds since 1970; nothing for any other
    // text, a date that does not exist, or a time the local clock skips.
    static std::optional<std::int64_t> parseLocal(const std::string& text);
};

} // namespace server::contests

// Days as the server counts them (yyyymmdd, UTC) and the arithmetic the referral figures need:
// "the last 7 days", "this week" (Monday to Sunday), "this month".
#pragma once

#include <cstdint>
#include <string>

namespace server::referrals {

class DayNumbers {
public:
    // Days since 1970-01-01 and back; a malformed yyyymmdd reads as the nearest sensible date.
    static std::int64_t toSerial(int yyyymmdd);
    static int fromSerial(std::int64_t serial);

    static int addDays(int yyyymmdd, int days) { return fromSerial(toSerial(yyyymmdd) + days); }
    // The Monday of the day's week.
    static int weekStart(int yyyymmdd);
    // "2026-12-09" of seconds since 1970 (UTC); "" for 0 or less.
    static std::string dateText(std::int64_t secondsSince1970);
};

} // namespace server::referrals

#include "referrals/DayNumbers.h"

#include <algorithm>
#include <cstdio>

namespace server::referrals {

// The civil-calendar conversions of the proleptic Gregorian calendar, in whole days.
std::int64_t DayNumbers::toSerial(int yyyymmdd) {
    std::int64_t y = yyyymmdd / 10000;
    const int m = std::clamp(yyyymmdd / 100 % 100, 1, 12);
    const int d = std::clamp(yyyymmdd % 100, 1, 31);
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int DayNumbers::fromSerial(std::int64_t serial) {
    serial += 719468;
    const std::int64_t era = (serial >= 0 ? serial : serial - 146096) / 146097;
    const std::int64_t doe = serial - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    std::int64_t y = yoe + era * 400;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2 ? 1 : 0;
    return static_cast<int>(y * 10000 + m * 100 + d);
}

int DayNumbers::weekStart(int yyyymmdd) {
    const std::int64_t serial = toSerial(yyyymmdd);
    // 1970-01-01 was a Thursday: Monday-based weekday = (serial + 3) mod 7.
    const std::int64_t weekday = ((serial + 3) % 7 + 7) % 7;
    return fromSerial(serial - weekday);
}

std::string DayNumbers::dateText(std::int64_t secondsSince1970) {
    if (secondsSince1970 <= 0) {
        return {};
    }
    const int day = fromSerial(secondsSince1970 / 86400);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", day / 10000, day / 100 % 100, day % 100);
    return text;
}

} // namespace server::referrals

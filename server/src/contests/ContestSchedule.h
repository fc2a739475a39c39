// The contest schedule (command 26): one entry per match type with its counts, cost and the
// current or next session, all on the server's local time.
#pragma once

#include <json/value.h>

#include <cstdint>

namespace server::contests {

class ContestSchedule {
public:
    static Json::Value entries(std::int64_t now);
    // Whether a session of the type is on at that time.
    static bool isOpen(int type, std::int64_t now);

    struct Session {
        std::int64_t start = 0;
        std::int64_t end = 0;
    };
    // The session running at `now`, else the next one.
    static Session session(int type, std::int64_t now);
};

} // namespace server::contests

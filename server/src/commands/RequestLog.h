// The operator's view of one handled request, as one log line:
//   entry 127.0.0.1:53422 type 2 (login) guest mac="AABBCCDDEEFF" -> response 1 player 7 session 3fa2c1... in 1.20 ms
// Only named request members are copied into the line, so passwords, their digests and the
// rest of a request never reach the log; a session id shows its first six digits only.
#pragma once

#include "commands/Answer.h"
#include "net/RequestReader.h"

#include <json/value.h>

#include <string>
#include <string_view>

namespace server {

class RequestLog {
public:
    struct Request {
        ServerRole role;
        std::string_view peer;
        int system = 0;
        std::string_view name;   // the command's short name; empty for none
        const Json::Value& json; // the parsed request
        int playerId = 0;        // game server: the session's player
    };

    // "<server> <peer> type <n> (<name>) <subject and members> -> <answer summary> in <ms> ms".
    static std::string line(const Request& request, const Answer& answer, std::string_view note, double elapsedMs);
    // A game request whose session is not (or no longer) live.
    static std::string sessionNotice(const Request& request);

    // A request or answer value as the log shows it: numbers bare, strings quoted with quotes,
    // backslashes and control bytes escaped, cut to 40 bytes (at a character boundary).
    static std::string value(const Json::Value& value);
    // The first six characters of a session id and "...".
    static std::string sessionPrefix(std::string_view sessionId);

private:
    static std::string head(const Request& request);
};

} // namespace server

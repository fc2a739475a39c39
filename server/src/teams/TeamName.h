// Whether a text may name a team: 1 to 8 weighted characters (an ASCII byte weighs two with its
// own count, so "bytes + ASCII bytes - 1 <= 15" holds 8 letters or 5 ideographs), ASCII letters
// and digits and CJK ideographs only, as well-formed UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace server::teams {

class TeamName {
public:
    // Empty when the name is fine; otherwise why not, for the log.
    static std::string problem(std::string_view name);
};

} // namespace server::teams

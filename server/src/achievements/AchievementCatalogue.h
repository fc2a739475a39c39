// The achievements a player can finish, read once from the seed file achievements.json. The
// catalogue lives in the file, not the database: changing a target or a prize is an edit and a
// restart, and the counts and claims kept per player stay valid.
#pragma once

#include "achievements/AchievementCounters.h"

#include <json/value.h>

#include <optional>
#include <string>
#include <vector>

namespace server::achievements {

struct Achievement {
    int id = 0;
    Counter counter = Counter::Answers;
    int target = 0; // the counter's value that finishes it
    int prize = 0;  // score paid once on a claim
    std::string name;
    std::string desc;
    std::string img;
};

class AchievementCatalogue {
public:
    // Entries that are not whole (unknown counter, no target, a repeated id) are left out and
    // logged; an unreadable file gives an empty catalogue.
    static AchievementCatalogue fromFile(const std::string& path);
    static AchievementCatalogue fromJson(const Json::Value& list);

    const std::vector<Achievement>& all() const { return m_all; }
    std::optional<Achievement> find(int id) const;

private:
    std::vector<Achievement> m_all;
};

} // namespace server::achievements

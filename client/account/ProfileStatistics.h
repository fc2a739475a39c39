// The statistics panel of the profile screen: the level badge as avatar, the player's id and
// nickname, and two columns of figures from the statistics answer.
#pragma once

#include "cocos2d.h"
#include "net/ResponseRecords.h"

#include <string>

namespace profile_statistics {

// The avatar's left middle; every line is placed from it.
const cocos2d::CCPoint kAvatarAt = {60, 330};

// "regtime" (seconds since 1970) as a local "YYYY-MM-DD"; empty for 0.
std::string registrationDate(int regTime);

// A line from a localized text and one value: filled into the text's mark, or appended when the
// text has none.
std::string line(const char* key, const std::string& value);

// The whole panel. Without the statistics (withFigures false) only the avatar, the id, the
// nickname and the telephone number: what the player record alone can tell.
cocos2d::CCNode* build(const UserInfo& user, const ReferralStats& stats, bool withFigures);

} // namespace profile_statistics

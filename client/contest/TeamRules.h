// What the three team screens decide alike: a team name's shape, the player's role on a team,
// the signed-up and eliminated tests, the texts of the join answers and their button captions.
#pragma once

#include "net/ResponseRecords.h"

#include "cocos2d.h"
#include "cocos-ext.h"

#include <string>

namespace team_rules {

constexpr int kTeamMatchType = 2;
constexpr int kTeamListScene = 25;

// Roles on the team screen.
enum Role { kLeader = 1, kMember = 2, kViewer = 3, kAnnounced = 4 };

// A team name fits when it is not empty, counts at most 16 width units (an ASCII byte 2, any other
// byte 1: 8 letters or 5 Chinese characters), has at most 62 bytes and holds only letters, digits
// and non-ASCII characters (taken whole, so "兔_" is refused like "a_").
bool validName(const std::string& name);

// The player's own public id as the team records name their creator.
std::string ownIdText();
// 1 when the player created the team, 2 when it is his team, 3 otherwise.
int roleOf(const TeamInfo& team);

// "teammatchstatus" 1 (waiting) and 2 (playing) are the signed-up states of a team.
inline bool signedUp(int teamMatchStatus) { return teamMatchStatus == 1 || teamMatchStatus == 2; }
// A team that reached a lower round than the one the match is at is out.
inline bool eliminated(const TeamInfo& team, const MatchSchedule& entry) { return team.level < entry.level; }

// The text key of a join answer code (the answer's "response").
const char* joinAnswerKey(int code);

// A title on a layout button, `size` points on screen whatever the button's scale.
void caption(cocos2d::extension::UIWidget* button, const std::string& text, const char* font, float size);
// Shows or hides a layout button and whether it takes touches.
void showButton(cocos2d::extension::UIWidget* button, bool shown);

// A label of the given font, centred at `at`, added to parent at z; null when it cannot be made.
cocos2d::CCLabelTTF* addLabel(cocos2d::CCNode* parent, const std::string& text, const char* font, float size,
                              const cocos2d::CCPoint& at, const cocos2d::ccColor3B& colour, int z = 5);

} // namespace team_rules

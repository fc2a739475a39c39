// Rank-title pictures chosen from a player's level.
#pragma once

#include <string>

// 0 below level 0, then 0-10, 11-20, 21-40, 41-60, 61-80, 81-90, 91 and above as bands 1 to 7.
int levelBand(int level);
std::string levelTitleImage(int level);
std::string levelBadgeImage(int level);

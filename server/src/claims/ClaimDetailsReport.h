// `brindle-server claim-details PLAYERID --db F`: an operator reads what a player entered.
#pragma once

#include <cstdio>
#include <string>

namespace server::claims {

// Prints the player's saved claim details to `out`; 0 when there are some, 1 when there are none
// (said so on `out`), 2 when the database cannot be read.
int printClaimDetails(const std::string& dbPath, int playerId, std::FILE* out);

} // namespace server::claims

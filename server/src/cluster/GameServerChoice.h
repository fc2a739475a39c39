// Which game server a login hands out. Players are spread by id (id modulo the number of servers),
// so a player meets the same server at every login while it is up, which keeps the player near
// their contests and pushes; a server that is down passes its players to the next one up, in the
// order the servers were given.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace server::cluster {

// The index into `up` for this player; nullopt when no server is up.
std::optional<std::size_t> chooseGameServer(const std::vector<bool>& up, int playerId);

} // namespace server::cluster

// One check of one game server, start to finish on an io context and never blocking it: resolve,
// connect, send the game protocol's "alive" request (command 90, answered without a session) and
// read its answer, all within the time-out.
#pragma once

#include "cluster/GameServerAddress.h"

#include <asio/io_context.hpp>

#include <chrono>
#include <functional>
#include <string>

namespace server::cluster {

// `done` runs once on the io context: why is empty when the server answered as a game server
// should, else the reason it counts as down.
using ProbeDone = std::function<void(const std::string& why)>;

void probeGameServer(asio::io_context& io, const GameServerAddress& server, std::chrono::milliseconds timeout,
                     ProbeDone done);

// The request a check sends, and whether an answer's JSON text is the one it expects.
std::string aliveRequest();
bool isAliveAnswer(const std::string& json);

} // namespace server::cluster

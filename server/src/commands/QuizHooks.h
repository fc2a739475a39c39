// The seam between the server and the question bank (server/src/quiz/, which defines both).
#pragma once

#include <string>

namespace server {

class CommandRegistry;
struct ServerServices;

// Called once at start-up, after the core schema exists and before any request is served: create
// the bank's tables (Storage::migrate), load the bank from config.bankDir when the database has
// none, and register the game-server commands 4 (question ids), 2 (question), 3 (answer) and
// 0 (media, answered with Answer::raw).
void registerQuizCommands(CommandRegistry& game, ServerServices& services);

// `brindle-server import FILE`: loads a bank file into the database the flags name. The exit
// status of the process; messages go to the log.
int runBankImport(const std::string& file, ServerServices& services);

} // namespace server

// Placeholder until the question bank lands: registers no commands, imports nothing.
#include "app/Log.h"
#include "commands/QuizHooks.h"

namespace server {

void registerQuizCommands(CommandRegistry&, ServerServices&) {}

int runBankImport(const std::string& file, ServerServices&) {
    Log::info("import of " + file + ": the question bank is not built into this server");
    return 1;
}

} // namespace server

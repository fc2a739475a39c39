// The server's two entry points into the question bank (declared in commands/QuizHooks.h).
#include "commands/QuizHooks.h"

#include "app/Log.h"
#include "app/ServerConfig.h"
#include "commands/CommandRegistry.h"
#include "quiz/BankLoader.h"
#include "quiz/DailyQuestionList.h"
#include "quiz/QuizService.h"

#include <filesystem>
#include <memory>

namespace server {

namespace {

void reportErrors(const std::vector<quiz::BankError>& errors)
{
    for (const auto& e : errors)
        Log::refusal("bank", e.toString());
}

} // namespace

void registerQuizCommands(CommandRegistry& game, ServerServices& services)
{
    auto day = services.config.quizDay;
    if (!day)
        day = [] { return quiz::DailyQuestionList::today(); };
    auto service = std::make_shared<quiz::QuizService>(services, std::move(day));
    if (service->store().questionCount() == 0) {
        std::error_code error;
        if (services.config.bankDir.empty() || !std::filesystem::is_directory(services.config.bankDir, error)) {
            Log::info("bank: no bank folder at \"" + services.config.bankDir + "\", the game has no questions");
        } else {
            const auto load = quiz::BankLoader::loadFolder(services.config.bankDir, services.config.mediaDir);
            reportErrors(load.errors);
            service->store().storeQuestions(load.entries);
            Log::info("bank: loaded " + std::to_string(load.entries.size()) + " questions from " +
                      std::to_string(load.goodFiles) + " files of " + services.config.bankDir +
                      (load.badFiles ? ", refused " + std::to_string(load.badFiles) + " bad files" : ""));
        }
    }
    game.add(4, "question list", [service](const Json::Value& r, RequestContext& c) { return service->questionIds(r, c); });
    game.add(2, "question", [service](const Json::Value& r, RequestContext& c) { return service->question(r, c); });
    game.add(3, "answer", [service](const Json::Value& r, RequestContext& c) { return service->answer(r, c); });
    game.add(0, "media", [service](const Json::Value& r, RequestContext& c) { return service->media(r, c); });
}

int runBankImport(const std::string& file, ServerServices& services)
{
    const auto result = quiz::BankLoader::loadFile(file, services.config.mediaDir);
    if (!result.ok()) {
        reportErrors(result.errors);
        Log::refusal("bank", file + ": " + std::to_string(result.errors.size()) +
                                 " errors, nothing imported");
        return 1;
    }
    quiz::QuizStore store(services.storage);
    store.storeQuestions(result.entries);
    Log::info("bank: imported " + std::to_string(result.entries.size()) + " questions from " + file);
    return 0;
}

} // namespace server

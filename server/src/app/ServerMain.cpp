#include "app/ServerMain.h"

#include "app/CommandLine.h"
#include "app/Log.h"
#include "app/ServerApp.h"
#include "claims/ClaimDetailsReport.h"
#include "commands/QuizHooks.h"
#include "contests/ContestClock.h"
#include "store/StoreOperator.h"

#include <asio/signal_set.hpp>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <exception>

namespace server {

namespace {

std::string exeDir(const char* argv0) {
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        self = std::filesystem::absolute(argv0, error);
    }
    return self.parent_path().string();
}

} // namespace

int serverMain(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    CommandLine line = CommandLine::parse(args, exeDir(argc > 0 ? argv[0] : "brindle-server"));
    switch (line.action) {
    case CommandLine::Action::Help:
        std::fputs(CommandLine::usage().c_str(), stdout);
        return 0;
    case CommandLine::Action::Error:
        std::fprintf(stderr, "brindle-server: %s\n\n%s", line.error.c_str(), CommandLine::usage().c_str());
        return 2;
    default:
        break;
    }
    Log::setLevel(line.config.logLevel); // before the start-up lines
    if (line.config.contestClock) {
        Log::info("contest clock set: it reads " + contests::ContestClock::stamp(contests::ContestClock::nowMs(line.config)));
    }
    try {
        if (line.action == CommandLine::Action::Import) {
            line.config.runEntry = false;
            line.config.runGame = false;
            ServerApp app(line.config);
            return runBankImport(line.importFile, app.services());
        }
        if (line.action == CommandLine::Action::Orders) {
            return store::runOrderCommand(line.orders, line.config, std::cout, std::cerr);
        }
        if (line.action == CommandLine::Action::ClaimDetails) {
            return claims::printClaimDetails(line.config.dbPath, line.claimPlayerId, stdout);
        }
        if (line.action == CommandLine::Action::StartTeamMatch) {
            line.config.runEntry = false;
            line.config.runGame = false;
            line.config.contestSweeper = false;
            ServerApp app(line.config);
            const auto stored = app.teams().startMatch(line.teamMatchSeconds, contests::ContestClock::nowMs(line.config));
            if (!stored.refusal.empty()) {
                std::fprintf(stderr, "brindle-server: no team match stored: %s\n", stored.refusal.c_str());
                return 1;
            }
            std::printf("team match %s stored\n", stored.answer["matchid"].asString().c_str());
            return 0;
        }
        ServerApp app(line.config);
        app.start();
        asio::signal_set signals(app.io(), SIGINT, SIGTERM);
        signals.async_wait([&app](const std::error_code& error, int) {
            if (!error) {
                Log::info("stopping");
                app.stop();
            }
        });
        app.run();
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "brindle-server: %s\n", e.what());
        return 1;
    }
}

} // namespace server

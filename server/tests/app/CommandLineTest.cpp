#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace server {
namespace {

TEST(CommandLine, FlagsAndRefusals) {
    const auto ok = CommandLine::parse({"--entry-port", "0", "--game-port", "9001", "--listen", "0.0.0.0",
                                        "--public-host", "game.local", "--db", "x.db", "--timeout-ms", "1000",
                                        "--password-cost", "min", "--no-entry"},
                                       "/opt/brindle/bin");
    ASSERT_EQ(ok.action, CommandLine::Action::Serve) << ok.error;
    EXPECT_EQ(ok.config.entryPort, 0);
    EXPECT_EQ(ok.config.gamePort, 9001);
    EXPECT_EQ(ok.config.advertisedHost(), "game.local");
    EXPECT_EQ(ok.config.idleTimeout.count(), 1000);
    EXPECT_EQ(ok.config.passwordCost, PasswordCost::Minimum);
    EXPECT_FALSE(ok.config.runEntry);
    EXPECT_TRUE(ok.config.runGame);
    EXPECT_EQ(ok.config.dataDir, "/opt/brindle/server-data");
    EXPECT_EQ(ok.config.logLevel, LogLevel::Info);

    const std::pair<std::vector<std::string>, LogLevel> levels[] = {
        {{"--log-level", "quiet"}, LogLevel::Quiet},
        {{"--log-level", "debug"}, LogLevel::Debug},
        {{"--quiet"}, LogLevel::Quiet},
        {{"--quiet", "--log-level", "info"}, LogLevel::Info},
    };
    for (const auto& [args, level] : levels) {
        const auto line = CommandLine::parse(args, "/b");
        ASSERT_EQ(line.action, CommandLine::Action::Serve) << line.error;
        EXPECT_EQ(line.config.logLevel, level) << args.back();
    }

    const auto import = CommandLine::parse({"import", "bank.json", "--db", "y.db"}, "/b");
    EXPECT_EQ(import.action, CommandLine::Action::Import);
    EXPECT_EQ(import.importFile, "bank.json");
    EXPECT_EQ(import.config.dbPath, "y.db");

    EXPECT_EQ(CommandLine::parse({"--wall-at", "12"}, "/b").config.wallAt, 12);
    EXPECT_EQ(CommandLine::parse({}, "/b").config.wallAt, 0);

    EXPECT_EQ(CommandLine::parse({"--help"}, "/b").action, CommandLine::Action::Help);
    const std::vector<std::vector<std::string>> bad = {
        {"--entry-port", "70000"}, {"--entry-port"}, {"--game-port", "12x"}, {"--what"},
        {"--no-entry", "--no-game"}, {"--password-cost", "cheap"}, {"import"}, {"--io-threads", "0"},
        {"--log-level", "verbose"}, {"--log-level"}, {"--wall-at", "-1"}, {"--wall-at", "ten"}};
    for (const auto& args : bad) {
        const auto line = CommandLine::parse(args, "/b");
        EXPECT_EQ(line.action, CommandLine::Action::Error) << args[0];
        EXPECT_FALSE(line.error.empty());
    }
}

} // namespace
} // namespace server

#include "app/CommandLine.h"
#include "TempDir.h"
#include "TestDatabase.h"
#include "contests/ContestClock.h"
#include "integration/ChildServer.h"
#include "integration/TestClient.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

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

std::int64_t systemMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

TEST(CommandLine, ContestClockStartsAtTheGivenLocalTimeAndRunsOn) {
    using contests::ContestClock;
    EXPECT_FALSE(CommandLine::parse({}, "/b").config.contestClock) << "the system's unless asked";
    const auto line = CommandLine::parse({"--contest-clock", "2026-12-09 03:30:00"}, "/b");
    ASSERT_EQ(line.action, CommandLine::Action::Serve) << line.error;
    ASSERT_TRUE(line.config.contestClock);
    const std::int64_t first = ContestClock::nowMs(line.config);
    const std::int64_t started = systemMs();
    EXPECT_EQ(ContestClock::stamp(first).substr(0, 12), "202612090330") << ContestClock::stamp(first);
    EXPECT_LT(first - *ContestClock::parseLocal("2026-12-09 03:30:00"), 2000);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const std::int64_t later = ContestClock::nowMs(line.config);
    EXPECT_NEAR(static_cast<double>(later - first), static_cast<double>(systemMs() - started), 100.0)
        << "it runs in real time";

    // Across a month's end and a leap day; everything else is refused.
    EXPECT_TRUE(ContestClock::parseLocal("2028-02-29 23:59:59"));
    const char* bad[] = {"2026-12-09",          "2026-12-09T12:00:00", "2026-12-9 12:00:00",  "2026-02-29 12:00:00",
                         "2026-04-31 12:00:00", "2026-12-09 24:00:00", "2026-12-09 12:60:00", "2026-12-09 12:00:60",
                         "2026-00-09 12:00:00", " 2026-12-09 12:00:00", "2026-12-09 12:00:00 ", "abcd-ef-gh ij:kl:mn",
                         "1969-12-31 23:59:59", ""};
    for (const char* text : bad) {
        const auto refused = CommandLine::parse({"--contest-clock", text}, "/b");
        EXPECT_EQ(refused.action, CommandLine::Action::Error) << "\"" << text << "\"";
        EXPECT_NE(refused.error.find("YYYY-MM-DD HH:MM:SS"), std::string::npos) << refused.error;
    }
    EXPECT_EQ(CommandLine::parse({"--contest-clock"}, "/b").action, CommandLine::Action::Error);
}

TEST(CommandLine, TheBinaryServesContestsOnTheGivenClockAndRefusesAMalformedOne) {
    test::TempDir dir;
    const std::string err = dir.file("err.txt");
    const std::string command = std::string(BRINDLE_SERVER_BINARY) +
                                " --entry-port 0 --game-port 0 --contest-clock '2026-12-09 25:00:00' 2>" + err;
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
    std::stringstream said;
    said << std::ifstream(err).rdbuf();
    EXPECT_NE(said.str().find("--clock needs a local time"), std::string::npos) << said.str();

    // At 03:00 the challenge's hours have not begun: the schedule names today's 08:00 session.
    test::ChildServer child(test::databaseFor(dir, "b.db"),
                            {"--quiet", "--contest-clock", "2026-12-09 03:00:00"});
    ASSERT_NE(child.gamePort(), 0);
    Json::Value login(Json::objectValue);
    login["system"] = 2;
    login["username"] = "";
    login["pwd"] = "";
    login["mac"] = "CLOCKTEST";
    login = test::TestClient::entry(child.entryPort(), login);
    ASSERT_EQ(login["response"].asInt(), 1) << login;
    Json::Value ask(Json::objectValue);
    ask["system"] = 26;
    ask["mac"] = "CLOCKTEST";
    ask["sessionid"] = login["sessionid"];
    ask["id"] = login["id"];
    const auto schedule = test::TestClient::game(child.gamePort(), ask);
    ASSERT_EQ(schedule["matchact"].size(), 4u) << schedule;
    for (const auto& entry : schedule["matchact"]) {
        EXPECT_EQ(entry["servertime"].asString().substr(0, 10), "2026120903") << entry;
        if (entry["matchtype"].asInt() == 3) {
            EXPECT_EQ(entry["starttime"].asString(), "20261209080000");
        }
    }
}

TEST(CommandLine, GameServersAreNamedOnTheEntryServerAndCheckedStrictly) {
    EXPECT_TRUE(CommandLine::parse({}, "/b").config.gameServers.empty()) << "its own game port unless told";
    const auto line = CommandLine::parse({"--no-game", "--game-server", "10.0.0.7:8001", "--game-server", "game2:8001"}, "/b");
    ASSERT_EQ(line.action, CommandLine::Action::Serve) << line.error;
    EXPECT_TRUE(line.config.runEntry);
    EXPECT_FALSE(line.config.runGame);
    EXPECT_EQ(line.config.gameServers,
              (std::vector<cluster::GameServerAddress>{{"10.0.0.7", 8001}, {"game2", 8001}}));

    const std::vector<std::vector<std::string>> bad = {
        {"--game-server"},
        {"--game-server", ""},
        {"--game-server", "10.0.0.7"},
        {"--game-server", "10.0.0.7:0"},
        {"--game-server", "10.0.0.7:65536"},
        {"--game-server", "10.0.0.7:80a"},
        {"--game-server", "300.0.0.7:8001"},
        {"--game-server", "0.0.0.0:8001"},
        {"--game-server", "bad_host:8001"},
        {"--game-server", "a:1", "--game-server", "a:1"},
        {"--no-entry", "--game-server", "a:1"},
    };
    for (const auto& args : bad) {
        const auto refused = CommandLine::parse(args, "/b");
        EXPECT_EQ(refused.action, CommandLine::Action::Error) << args.back();
        EXPECT_NE(refused.error.find("--game-server"), std::string::npos) << refused.error;
    }
}

TEST(CommandLine, AnEntryOnlyAndAGameOnlyProcessWorkTogetherAndABadGameServerIsRefused) {
    test::TempDir dir;
    const std::string err = dir.file("err.txt");
    const std::string command = std::string(BRINDLE_SERVER_BINARY) + " --no-game --game-server 127.0.0.1:70000 2>" + err;
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
    std::stringstream said;
    said << std::ifstream(err).rdbuf();
    EXPECT_NE(said.str().find("--game-server needs a PORT from 1 to 65535"), std::string::npos) << said.str();

    test::ChildServer game(dir.file("b.db"), {"--quiet", "--no-entry"});
    ASSERT_NE(game.gamePort(), 0);
    EXPECT_EQ(game.entryPort(), 0);
    test::ChildServer entry(dir.file("b.db"),
                            {"--quiet", "--no-game", "--game-server", "127.0.0.1:" + std::to_string(game.gamePort())});
    ASSERT_NE(entry.entryPort(), 0);
    EXPECT_EQ(entry.gamePort(), 0);
    Json::Value login(Json::objectValue);
    login["system"] = 2;
    login["username"] = "";
    login["pwd"] = "";
    login["mac"] = "ROLES";
    login = test::TestClient::entry(entry.entryPort(), login);
    ASSERT_EQ(login["response"].asInt(), 1) << login;
    EXPECT_EQ(login["port"].asInt(), game.gamePort());
    Json::Value alive(Json::objectValue);
    alive["system"] = 90;
    EXPECT_EQ(test::TestClient::game(game.gamePort(), alive)["response"].asInt(), 1);
}

} // namespace
} // namespace server

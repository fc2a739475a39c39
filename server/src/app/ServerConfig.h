// Everything the server can be told on its command line, with the defaults a local game uses.
#pragma once

#include "app/Log.h"
#include "cluster/GameServerAddress.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace server {

enum class PasswordCost { Interactive, Minimum };

struct ServerConfig {
    std::string listenHost = "127.0.0.1";
    std::string publicHost; // the "ip" login answers hand out; empty: the listen host
    int entryPort = 8000; // 0 picks a free port
    int gamePort = 8001;  // 0 picks a free port; once listening, the port actually bound
    bool runEntry = true;
    bool runGame = true;
    // Entry server: the game servers logins hand out (--game-server); empty: its own game port.
    std::vector<cluster::GameServerAddress> gameServers;
    // How often each of them is checked, and how long a check may take. 0: never by timer (tests
    // run the checks themselves).
    std::chrono::milliseconds gameServerCheckEvery{2000};
    std::chrono::milliseconds gameServerCheckTimeout{1000};
    std::string dbPath = "brindle.db";
    // Sessions, heartbeat messages, halls and contests in the database rather than in memory, so
    // several game servers on it serve any player. Always on with PostgreSQL; on a database file
    // only for tests that run two servers on one file.
    bool sharedLiveState = false;
    std::string dataDir;  // seed content (notices, help texts, prizes, events, walls)
    std::string mediaDir; // question media served by command 0
    std::string bankDir;  // the question bank the quiz loads at first start
    // A wall before this answer (the wall list's "index": the client shows the wall when its
    // answer count + 1 reaches it), on top of the stored walls; 0: none added.
    int wallAt = 0;
    // The day (yyyymmdd) the daily question rules run on; empty: today's UTC date. Tests set it
    // to play across midnight without waiting for one.
    std::function<int()> quizDay;
    // The clock of contests: the schedule, the daily counts, each question's 40 seconds, the
    // 30 seconds a silent player keeps the place, searches and challenges. Empty: the system's.
    // Tests move it by hand.
    std::function<std::chrono::system_clock::time_point()> contestClock;
    // A thread runs the contests' time-outs every second. Tests that move the contest clock by
    // hand may turn it off and run them (ContestService::tick) at the moments they choose.
    bool contestSweeper = true;

    std::size_t maxRequestBytes = 64 * 1024;
    std::chrono::milliseconds idleTimeout{10'000};
    std::size_t maxConnections = 4096;
    int ioThreads = 2;
    int workThreads = 1; // password hashing and other slow entry-server work

    std::chrono::seconds sessionLifetime{2 * 60 * 60}; // idle time after which a session expires
    PasswordCost passwordCost = PasswordCost::Interactive;

    // Version check: older than minVersion must update, older than currentVersion may update.
    std::string minVersion = "2.2.2";
    std::string currentVersion = "2.2.2";
    std::string updateUrl;
    std::string updateInfo;

    LogLevel logLevel = LogLevel::Info;

    // Claim codes go to this gateway command (split on spaces; the tel and the message added as
    // its last two arguments). Empty: to smsOutbox.
    std::string smsCommand;
    // Empty: sms-outbox.txt beside the database file (PostgreSQL: in the working folder).
    std::string smsOutbox;

    // A wildcard listen address is no address a client can use: hand out loopback then.
    std::string advertisedHost() const {
        if (!publicHost.empty()) {
            return publicHost;
        }
        return listenHost == "0.0.0.0" || listenHost == "::" ? std::string("127.0.0.1") : listenHost;
    }
};

} // namespace server

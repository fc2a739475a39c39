// The running server: storage, accounts, content and the quiz wired to the entry and game
// listeners on one io context. Tests construct it in-process on port 0.
#pragma once

#include "accounts/AccountService.h"
#include "achievements/AchievementCounters.h"
#include "accounts/SessionTable.h"
#include "app/ServerConfig.h"
#include "cluster/GameServerPool.h"
#include "commands/CommandRegistry.h"
#include "commands/Dispatcher.h"
#include "commands/PushQueue.h"
#include "contests/ContestService.h"
#include "exams/ExamService.h"
#include "net/Listener.h"
#include "referrals/ReferralStore.h"
#include "storage/ContentStore.h"
#include "storage/PlayerStore.h"
#include "storage/Storage.h"
#include "teams/TeamService.h"
#include "rankings/WeeklyRanking.h"
#include "rewards/LuckyDraw.h"
#include "rewards/SignIn.h"

#include <asio/executor_work_guard.hpp>
#include <asio/io_context.hpp>
#include <asio/steady_timer.hpp>
#include <asio/thread_pool.hpp>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace server {

class ServerApp {
public:
    // Opens the database, migrates and seeds it, registers every command. Throws StorageError.
    explicit ServerApp(ServerConfig config);
    ~ServerApp();
    ServerApp(const ServerApp&) = delete;
    ServerApp& operator=(const ServerApp&) = delete;

    // Binds the listeners and prints "entry listening on HOST:PORT" / "game listening on ...".
    // Throws std::system_error when a port is taken.
    void start();
    // Serves on this thread plus config.ioThreads - 1 more until stop().
    void run();
    // From any thread; run() returns soon after.
    void stop();

    int entryPort() const { return m_entryPort; }
    int gamePort() const { return m_config.gamePort; }
    ServerServices& services() { return m_services; }
    AccountService& accounts() { return m_accounts; }
    asio::io_context& io() { return m_io; }
    // Connections a server has accepted and not yet finished with (0 before start()).
    std::size_t openConnections(ServerRole role) const;
    // Writes the online time the sessions gathered (the sweep does it every minute).
    void flushOnlineTime();
    // Contests; tests call tick() on it after moving the contest clock.
    contests::ContestService& contests() { return *m_contests; }
    // Teams and the team match; tests call tick() on it after moving the contest clock.
    teams::TeamService& teams() { return *m_teams; }
    exams::ExamService& exams() { return *m_exams; }
    rankings::WeeklyRanking& weekly() { return *m_weekly; }
    // The game servers logins hand out (--game-server); null when logins name this process's own.
    cluster::GameServerPool* gameServers() { return m_gameServers.get(); }

private:
    void scheduleSweep();
    void startContestSweeper();
    static std::vector<std::unique_ptr<asio::io_context>> makeContexts(int count);

    ServerConfig m_config;
    Storage m_storage;
    PlayerStore m_players;
    SessionTable m_sessions;
    PushQueue m_pushes;
    referrals::ReferralStore m_referrals;
    achievements::AchievementCounters m_counters;
    ServerServices m_services;
    ContentStore m_content;
    AccountService m_accounts;
    CommandRegistry m_entryCommands;
    CommandRegistry m_gameCommands;
    Dispatcher m_entryDispatcher;
    Dispatcher m_gameDispatcher;
    asio::thread_pool m_workPool;
    // One io context per io thread, each with its own listeners on the shared ports
    // (SO_REUSEPORT): the threads never contend for one scheduler lock. m_io is the first.
    std::vector<std::unique_ptr<asio::io_context>> m_ioContexts;
    asio::io_context& m_io;
    std::vector<asio::executor_work_guard<asio::io_context::executor_type>> m_work;
    asio::steady_timer m_sweepTimer;
    std::unique_ptr<cluster::GameServerPool> m_gameServers; // checks run on m_io
    std::unique_ptr<contests::ContestService> m_contests;
    std::unique_ptr<teams::TeamService> m_teams;
    std::unique_ptr<exams::ExamService> m_exams;
    std::unique_ptr<rewards::SignIn> m_signIn;
    std::unique_ptr<rewards::LuckyDraw> m_luck;
    std::unique_ptr<rankings::WeeklyRanking> m_weekly;
    // Contest time-outs run on their own thread, so paying a batch of finished contests never
    // holds up an io thread's heartbeats.
    std::thread m_contestThread;
    std::mutex m_contestStopMutex;
    std::condition_variable m_contestStop;
    bool m_contestStopping = false;
    std::vector<std::unique_ptr<Listener>> m_listeners;
    std::shared_ptr<EndpointState> m_entryEndpoint;
    std::shared_ptr<EndpointState> m_gameEndpoint;
    int m_entryPort = 0;
    bool m_stopped = false;
};

} // namespace server

#include "app/ServerApp.h"

#include "achievements/AchievementCommands.h"
#include "app/Log.h"
#include "claims/ClaimCommands.h"
#include "cluster/LiveTables.h"
#include "commands/AliveCommand.h"
#include "commands/ContentCommands.h"
#include "commands/EntryCommands.h"
#include "commands/HeartbeatCommand.h"
#include "commands/QuizHooks.h"
#include "commands/UserCommands.h"
#include "contests/ContestClock.h"
#include "contests/ContestCommands.h"
#include "referrals/ReferralCommands.h"
#include "rewards/RewardCommands.h"
#include "store/StoreCommands.h"
#include "teams/TeamCommands.h"
#include "treasure/TreasureCommands.h"

#include <algorithm>
#include <cstdio>

namespace server {

ServerApp::ServerApp(ServerConfig config)
    : m_config(std::move(config)), m_storage(m_config.dbPath), m_players(m_storage),
      m_sessions(m_config.sessionLifetime), m_referrals(m_storage, m_players),
      m_counters(m_storage), m_services{m_config, m_storage, m_players, m_pushes, m_sessions, m_referrals, m_counters},
      m_content(m_storage, m_config.dataDir), m_accounts(m_players, m_sessions, m_config.passwordCost),
      m_entryDispatcher(ServerRole::Entry, m_entryCommands, m_services),
      m_gameDispatcher(ServerRole::Game, m_gameCommands, m_services),
      m_workPool(static_cast<std::size_t>(m_config.workThreads)), m_ioContexts(makeContexts(m_config.ioThreads)), m_io(*m_ioContexts.front()), m_sweepTimer(m_io) {
    Log::setLevel(m_config.logLevel);
    const bool postgres = cluster::isPostgresTarget(m_config.dbPath);
    if (postgres || m_config.sharedLiveState) {
        m_config.sharedLiveState = true;
        cluster::migrateLiveTables(m_storage);
        m_sessions.share(m_storage);
        m_pushes.share(m_storage, postgres);
    }
    if (m_config.runEntry && !m_config.gameServers.empty()) {
        m_gameServers = std::make_unique<cluster::GameServerPool>(
            m_io, m_config.gameServers, m_config.gameServerCheckEvery, m_config.gameServerCheckTimeout);
    }
    EntryCommands::registerInto(m_entryCommands, m_accounts, m_gameServers.get());
    AliveCommand::registerInto(m_gameCommands);
    UserCommands::registerInto(m_gameCommands, m_accounts);
    ContentCommands::registerInto(m_gameCommands, m_content);
    registerQuizCommands(m_gameCommands, m_services);
    referrals::ReferralCommands::registerInto(m_gameCommands);
    achievements::AchievementCommands::registerInto(m_gameCommands, m_services);
    treasure::TreasureCommands::registerInto(m_gameCommands, m_services);
    store::StoreCommands::registerInto(m_gameCommands, m_services);
    claims::ClaimCommands::registerInto(m_gameCommands, m_services);
    // After the quiz: contests ask the bank's questions.
    m_contests = std::make_unique<contests::ContestService>(m_services);
    if (m_config.sharedLiveState) {
        m_contests->share(m_storage, m_config.dbPath);
    }
    contests::ContestCommands::registerInto(m_gameCommands, *m_contests, m_config);
    // After the contests: the team commands fill in the schedule's team and exam entries.
    m_teams = std::make_unique<teams::TeamService>(m_services, m_content);
    m_exams = std::make_unique<exams::ExamService>(m_services);
    teams::TeamCommands::registerInto(m_gameCommands, *m_teams, *m_exams, m_config);
    m_signIn = std::make_unique<rewards::SignIn>(m_services);
    m_signIn->onSigned = [this](Storage::Transaction& tx, int player, int streak) {
        m_counters.raiseTo(tx, player, achievements::Counter::SignStreak, streak);
    };
    m_luck = std::make_unique<rewards::LuckyDraw>(m_services);
    m_weekly = std::make_unique<rankings::WeeklyRanking>(m_services);
    rewards::RewardCommands::registerInto(m_gameCommands, *m_signIn, *m_luck, *m_weekly, m_config);
    HeartbeatCommand::registerInto(
        m_gameCommands, m_config,
        [contests = m_contests.get()](int player, const Json::Value& push, std::int64_t now) {
            contests->questionFetched(player, push, now);
        },
        [teams = m_teams.get()](std::int64_t now) { teams->refresh(now); });
    // A new week begins before the first score of it is added: every command that pays score
    // closes the old week first (the sweeper does it too, within a second of Monday 00:00).
    for (int system : {3, 11, 14, 17, 30, 47}) {
        const bool wrapped = m_gameCommands.wrap(system, [this](CommandHandler inner) -> CommandHandler {
            return [this, inner = std::move(inner)](const Json::Value& request, RequestContext& context) {
                m_weekly->rollOver(rewards::RewardCommands::today(m_config));
                return inner(request, context);
            };
        });
        if (!wrapped) {
            Log::refusal("weekly ranking", "command " + std::to_string(system) + " is not registered to close weeks");
        }
    }
}

std::vector<std::unique_ptr<asio::io_context>> ServerApp::makeContexts(int count) {
    std::vector<std::unique_ptr<asio::io_context>> contexts;
    for (int i = 0; i < std::max(1, count); ++i) {
        contexts.push_back(std::make_unique<asio::io_context>(1));
    }
    return contexts;
}

ServerApp::~ServerApp() {
    stop();
    if (m_contestThread.joinable()) {
        m_contestThread.join();
    }
    m_workPool.join();
    try {
        flushOnlineTime();
    } catch (const std::exception& e) {
        Log::refusal("storage", std::string("online time not written at exit: ") + e.what());
    }
}

void ServerApp::flushOnlineTime() {
    m_referrals.addOnlineSeconds(m_sessions.takeOnlineSeconds(), referrals::ReferralCommands::today(m_config));
}

void ServerApp::start() {
    auto makeListener = [this](ServerRole role, int port, const char* name) {
        auto endpoint = std::make_shared<EndpointState>(
            role, role == ServerRole::Entry ? m_entryDispatcher : m_gameDispatcher,
            role == ServerRole::Entry ? &m_workPool : nullptr, m_config.maxRequestBytes, m_config.idleTimeout,
            m_config.maxConnections);
        (role == ServerRole::Entry ? m_entryEndpoint : m_gameEndpoint) = endpoint;
        int bound = port;
        for (auto& io : m_ioContexts) {
            auto listener = std::make_unique<Listener>(*io, endpoint);
            bound = listener->bind(m_config.listenHost, bound); // the first may pick; the rest join it
            m_listeners.push_back(std::move(listener));
        }
        std::printf("%s listening on %s:%d\n", name, m_config.listenHost.c_str(), bound);
        std::fflush(stdout);
        return bound;
    };
    // The game server binds first: the entry server's login answers name its port.
    if (m_config.runGame) {
        m_config.gamePort = makeListener(ServerRole::Game, m_config.gamePort, "game");
    }
    if (m_config.runEntry) {
        m_entryPort = makeListener(ServerRole::Entry, m_config.entryPort, "entry");
    }
    for (auto& io : m_ioContexts) {
        m_work.push_back(asio::make_work_guard(*io));
    }
    for (auto& listener : m_listeners) {
        listener->start();
    }
    scheduleSweep();
    if (m_gameServers) {
        m_gameServers->start();
    }
    if (m_config.contestSweeper) {
        startContestSweeper();
    }
}

void ServerApp::startContestSweeper() {
    // Time-outs, absent players, searches and challenges move on even when nobody asks anything.
    m_contestThread = std::thread([this] {
        std::unique_lock lock(m_contestStopMutex);
        while (!m_contestStop.wait_for(lock, std::chrono::seconds(1), [this] { return m_contestStopping; })) {
            lock.unlock();
            const std::int64_t now = contests::ContestClock::nowMs(m_config);
            try {
                m_contests->tick(now);
            } catch (const std::exception& e) {
                Log::refusal("contests", std::string("tick failed: ") + e.what());
            }
            try {
                m_weekly->rollOver(contests::ContestClock::dayNumber(now));
            } catch (const std::exception& e) {
                Log::refusal("weekly ranking", std::string("week change failed: ") + e.what());
            }
            try {
                m_teams->tick(now);
                m_exams->tick(now);
            } catch (const std::exception& e) {
                Log::refusal("teams", std::string("tick failed: ") + e.what());
            }
            lock.lock();
        }
    });
}

std::size_t ServerApp::openConnections(ServerRole role) const {
    const auto& endpoint = role == ServerRole::Entry ? m_entryEndpoint : m_gameEndpoint;
    return endpoint ? endpoint->openConnections.load(std::memory_order_relaxed) : 0;
}

void ServerApp::scheduleSweep() {
    m_sweepTimer.expires_after(std::chrono::minutes(1));
    m_sweepTimer.async_wait([this](const std::error_code& error) {
        if (error) {
            return;
        }
        try {
            if (const std::size_t dropped = m_sessions.sweep(); dropped > 0) {
                Log::info("expired " + std::to_string(dropped) + " idle sessions");
            }
            flushOnlineTime();
        } catch (const std::exception& e) {
            Log::refusal("storage", std::string("session sweep or online time failed: ") + e.what());
        }
        if (const std::uint64_t quiet = m_gameDispatcher.takeUnloggedCount(); quiet > 0) {
            Log::info("game: " + std::to_string(quiet) + " heartbeats in the last minute");
        }
        scheduleSweep();
    });
}

void ServerApp::run() {
    std::vector<std::thread> threads;
    for (std::size_t i = 1; i < m_ioContexts.size(); ++i) {
        threads.emplace_back([io = m_ioContexts[i].get()] { io->run(); });
    }
    m_io.run();
    for (auto& thread : threads) {
        thread.join();
    }
}

void ServerApp::stop() {
    {
        std::lock_guard lock(m_contestStopMutex);
        m_contestStopping = true;
    }
    m_contestStop.notify_all();
    for (auto& work : m_work) {
        work.reset();
    }
    for (auto& io : m_ioContexts) {
        io->stop();
    }
    m_workPool.stop();
}

} // namespace server

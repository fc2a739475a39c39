// The game servers an entry server hands out, with what the last check said of each. A timer on
// the io context checks every server every few seconds; a server counts as up until a check says
// otherwise (so logins work from the first second) and is skipped from a failed check until one
// passes. Each change is logged once: "game server H:P down (reason)", "game server H:P up".
#pragma once

#include "cluster/GameServerAddress.h"

#include <asio/io_context.hpp>
#include <asio/steady_timer.hpp>

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace server::cluster {

class GameServerPool {
public:
    // every 0: no timer; checks run only when checkNow() asks.
    GameServerPool(asio::io_context& io, std::vector<GameServerAddress> servers, std::chrono::milliseconds every,
                   std::chrono::milliseconds timeout);
    ~GameServerPool();
    GameServerPool(const GameServerPool&) = delete;
    GameServerPool& operator=(const GameServerPool&) = delete;

    void start();
    // One round of checks now, as the timer runs them, from any thread; `done` runs on the io
    // context once every server's result is in. Tests drive the checks with it.
    void checkNow(std::function<void()> done = {});

    // The player's server by the rule of GameServerChoice; nullopt when none is up. Any thread.
    std::optional<GameServerAddress> choose(int playerId) const;
    bool anyUp() const;
    // "H:P down, H:P up": for the log line of a refused login.
    std::string describe() const;

private:
    void schedule();
    void checkRound(std::function<void()> done);
    void record(std::size_t index, const std::string& why);

    asio::io_context& m_io;
    const std::vector<GameServerAddress> m_servers;
    const std::chrono::milliseconds m_every;
    const std::chrono::milliseconds m_timeout;
    asio::steady_timer m_timer;
    mutable std::mutex m_mutex;
    std::vector<bool> m_up;
    // Checks still out hold this; a check finishing after the pool is gone finds it empty.
    std::shared_ptr<GameServerPool*> m_alive;
};

} // namespace server::cluster

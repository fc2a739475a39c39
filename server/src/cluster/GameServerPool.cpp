#include "cluster/GameServerPool.h"

#include "app/Log.h"
#include "cluster/GameServerChoice.h"
#include "cluster/GameServerProbe.h"

#include <asio/post.hpp>

namespace server::cluster {

GameServerPool::GameServerPool(asio::io_context& io, std::vector<GameServerAddress> servers,
                               std::chrono::milliseconds every, std::chrono::milliseconds timeout)
    : m_io(io), m_servers(std::move(servers)), m_every(every), m_timeout(timeout), m_timer(io),
      m_up(m_servers.size(), true), m_alive(std::make_shared<GameServerPool*>(this)) {}

GameServerPool::~GameServerPool() {
    *m_alive = nullptr;
}

void GameServerPool::start() {
    if (m_every.count() > 0) {
        schedule();
    }
}

void GameServerPool::schedule() {
    m_timer.expires_after(m_every);
    m_timer.async_wait([this](const std::error_code& error) {
        if (error) {
            return;
        }
        checkRound({});
        schedule();
    });
}

void GameServerPool::checkNow(std::function<void()> done) {
    // On the io context, whoever asks: the probes of a round then all finish on its one thread.
    asio::post(m_io, [alive = m_alive, done = std::move(done)]() mutable {
        if (GameServerPool* pool = *alive) {
            pool->checkRound(std::move(done));
        }
    });
}

void GameServerPool::checkRound(std::function<void()> done) {
    // Counts the checks still out; the last one to finish calls `done`.
    auto left = std::make_shared<std::size_t>(m_servers.size());
    auto finished = std::make_shared<std::function<void()>>(std::move(done));
    for (std::size_t i = 0; i < m_servers.size(); ++i) {
        probeGameServer(m_io, m_servers[i], m_timeout, [alive = m_alive, i, left, finished](const std::string& why) {
            if (GameServerPool* pool = *alive) {
                pool->record(i, why);
            }
            if (--*left == 0 && *finished) {
                (*finished)();
            }
        });
    }
}

void GameServerPool::record(std::size_t index, const std::string& why) {
    const bool up = why.empty();
    {
        std::lock_guard lock(m_mutex);
        if (m_up[index] == up) {
            return;
        }
        m_up[index] = up;
    }
    // Written at every log level: an operator needs these even when requests are not logged.
    const std::string name = "game server " + m_servers[index].text();
    Log::at(LogLevel::Quiet, up ? name + " up" : name + " down (" + why + ")");
}

std::optional<GameServerAddress> GameServerPool::choose(int playerId) const {
    std::lock_guard lock(m_mutex);
    const auto index = chooseGameServer(m_up, playerId);
    if (!index) {
        return std::nullopt;
    }
    return m_servers[*index];
}

bool GameServerPool::anyUp() const {
    std::lock_guard lock(m_mutex);
    for (bool up : m_up) {
        if (up) {
            return true;
        }
    }
    return false;
}

std::string GameServerPool::describe() const {
    std::lock_guard lock(m_mutex);
    std::string out;
    for (std::size_t i = 0; i < m_servers.size(); ++i) {
        out += (i ? ", " : "") + m_servers[i].text() + (m_up[i] ? " up" : " down");
    }
    return out;
}

} // namespace server::cluster

#include "commands/PushQueue.h"

#include "commands/JsonText.h"
#include "storage/Storage.h"

namespace server {

bool PushQueue::push(int playerId, Json::Value message) {
    if (m_shared != nullptr) {
        return pushShared(playerId, message);
    }
    std::lock_guard lock(m_mutex);
    auto& entry = m_entries[playerId];
    bool kept = true;
    if (entry.messages.size() >= m_limit) {
        entry.messages.pop_front();
        kept = false;
    }
    entry.messages.push_back(std::move(message));
    return kept;
}

std::optional<Json::Value> PushQueue::pop(int playerId) {
    if (m_shared != nullptr) {
        return popShared(playerId);
    }
    std::lock_guard lock(m_mutex);
    auto it = m_entries.find(playerId);
    if (it == m_entries.end() || it->second.messages.empty()) {
        return std::nullopt;
    }
    Json::Value message = std::move(it->second.messages.front());
    it->second.messages.pop_front();
    return message;
}

std::size_t PushQueue::pending(int playerId) const {
    if (m_shared != nullptr) {
        auto q = m_shared->query("SELECT COUNT(*) FROM live_pushes WHERE player_id = ?1");
        q->bind(1, playerId);
        return q->step() ? static_cast<std::size_t>(q->columnInt(0)) : 0;
    }
    std::lock_guard lock(m_mutex);
    auto it = m_entries.find(playerId);
    return it == m_entries.end() ? 0 : it->second.messages.size();
}

PushQueue::Beat PushQueue::heartbeat(int playerId, std::int64_t nowMs) {
    if (m_shared != nullptr) {
        return heartbeatShared(playerId, nowMs);
    }
    std::lock_guard lock(m_mutex);
    auto& entry = m_entries[playerId];
    entry.lastHeartbeat = nowMs;
    Beat beat;
    beat.teamMatchStatus = entry.teamMatchStatus;
    if (!entry.messages.empty()) {
        beat.message = std::move(entry.messages.front());
        entry.messages.pop_front();
    }
    return beat;
}

std::int64_t PushQueue::lastHeartbeat(int playerId) const {
    if (m_shared != nullptr) {
        return lastHeartbeatShared(playerId);
    }
    std::lock_guard lock(m_mutex);
    auto it = m_entries.find(playerId);
    return it == m_entries.end() ? 0 : it->second.lastHeartbeat;
}

void PushQueue::setTeamMatchStatus(int playerId, int status) {
    std::lock_guard lock(m_mutex);
    m_entries[playerId].teamMatchStatus = status;
}

int PushQueue::teamMatchStatus(int playerId) const {
    std::lock_guard lock(m_mutex);
    auto it = m_entries.find(playerId);
    return it == m_entries.end() ? 0 : it->second.teamMatchStatus;
}

void PushQueue::forget(int playerId) {
    if (m_shared != nullptr) {
        auto q = m_shared->query("DELETE FROM live_pushes WHERE player_id = ?1");
        q->bind(1, playerId).run();
    }
    std::lock_guard lock(m_mutex);
    m_entries.erase(playerId);
}

void PushQueue::share(Storage& storage, bool postgres) {
    m_shared = &storage;
    m_postgres = postgres;
}

bool PushQueue::pushShared(int playerId, const Json::Value& message) {
    {
        auto q = m_shared->query("INSERT INTO live_pushes (player_id, body) VALUES (?1, ?2)");
        q->bindAll(playerId, JsonText::write(message)).run();
    }
    // The newest m_limit stay; anything older than those goes.
    auto q = m_shared->query("DELETE FROM live_pushes WHERE player_id = ?1 AND id <= (SELECT id FROM live_pushes "
                             "WHERE player_id = ?1 ORDER BY id DESC LIMIT 1 OFFSET ?2)");
    q->bindAll(playerId, static_cast<std::int64_t>(m_limit)).run();
    return q->changes() == 0;
}

std::optional<Json::Value> PushQueue::popShared(int playerId) {
    // The oldest message leaves in one statement. On PostgreSQL a row another server is handing
    // out right now is skipped rather than waited for: that server answers with it.
    const char* sql = m_postgres
        ? "DELETE FROM live_pushes WHERE id = (SELECT id FROM live_pushes WHERE player_id = ?1 ORDER BY id "
          "LIMIT 1 FOR UPDATE SKIP LOCKED) RETURNING body"
        : "DELETE FROM live_pushes WHERE id = (SELECT id FROM live_pushes WHERE player_id = ?1 ORDER BY id "
          "LIMIT 1) RETURNING body";
    std::string body;
    {
        auto q = m_shared->query(sql);
        q->bind(1, playerId);
        if (!q->step()) {
            return std::nullopt;
        }
        body = q->columnText(0); // one row at most: the DELETE names a single id
    }
    Json::Value message;
    std::string error;
    if (!JsonText::parse(body, message, error)) {
        return std::nullopt; // only this server ever writes the table; nothing else can land here
    }
    return message;
}

PushQueue::Beat PushQueue::heartbeatShared(int playerId, std::int64_t nowMs) {
    Beat beat;
    bool write = false;
    {
        std::lock_guard lock(m_mutex);
        auto& entry = m_entries[playerId];
        beat.teamMatchStatus = entry.teamMatchStatus;
        write = nowMs - entry.lastHeartbeat >= kBeatWriteMs || nowMs < entry.lastHeartbeat;
        if (write) {
            entry.lastHeartbeat = nowMs;
        }
    }
    if (write) {
        auto q = m_shared->query("INSERT INTO live_beats (player_id, at) VALUES (?1, ?2) ON CONFLICT (player_id) "
                                 "DO UPDATE SET at = excluded.at");
        q->bindAll(playerId, nowMs).run();
    }
    beat.lastHeartbeat = nowMs;
    beat.message = popShared(playerId);
    return beat;
}

std::int64_t PushQueue::lastHeartbeatShared(int playerId) const {
    auto q = m_shared->query("SELECT at FROM live_beats WHERE player_id = ?1");
    q->bind(1, playerId);
    return q->step() ? q->columnInt(0) : 0;
}

} // namespace server

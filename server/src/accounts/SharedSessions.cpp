// SessionTable's sessions when several game servers share one database.
#include "accounts/SessionTable.h"

#include "storage/Storage.h"

#include <sodium.h>

#include <algorithm>
#include <cctype>

namespace server {

namespace {

// Ids are stored as written (lower-case hex); the client may send them in either case.
std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

} // namespace

std::int64_t SessionTable::systemMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string SessionTable::newId() {
    Key key{};
    randombytes_buf(key.data(), key.size());
    char hex[sizeof(Key) * 2 + 1];
    sodium_bin2hex(hex, sizeof hex, key.data(), key.size());
    return hex;
}

std::string SessionTable::openShared(int playerId) {
    // One row per player: the new session replaces the old one on every server at once. The id
    // is unique too; a collision of 128 random bits only ever shows as a ConstraintError.
    const std::string id = newId();
    auto q = m_shared->query("INSERT INTO live_sessions (player_id, session_id, last_seen) VALUES (?1, ?2, ?3) "
                             "ON CONFLICT (player_id) DO UPDATE SET session_id = excluded.session_id, "
                             "last_seen = excluded.last_seen");
    q->bindAll(playerId, id, m_wallMs()).run();
    std::lock_guard lock(m_mutex);
    m_lastRequest[playerId] = m_now();
    return id;
}

std::optional<int> SessionTable::checkShared(std::string_view sessionId, int playerId) {
    const std::string id = lowered(sessionId);
    const std::int64_t now = m_wallMs();
    std::int64_t lastSeen = 0;
    {
        auto q = m_shared->query("SELECT last_seen FROM live_sessions WHERE player_id = ?1 AND session_id = ?2");
        q->bindAll(playerId, id);
        if (!q->step()) {
            return std::nullopt;
        }
        lastSeen = q->columnInt(0);
    }
    if (now - lastSeen > std::chrono::duration_cast<std::chrono::milliseconds>(m_lifetime).count()) {
        auto q = m_shared->query("DELETE FROM live_sessions WHERE player_id = ?1 AND session_id = ?2");
        q->bindAll(playerId, id).run();
        return std::nullopt;
    }
    if (now - lastSeen >= kTouchMs) {
        // Only moves forward: two servers touching at once never set it back.
        auto q = m_shared->query("UPDATE live_sessions SET last_seen = ?3 WHERE player_id = ?1 AND session_id = ?2 "
                                 "AND last_seen < ?3");
        q->bindAll(playerId, id, now).run();
    }
    std::lock_guard lock(m_mutex);
    const auto steadyNow = m_now();
    auto [it, fresh] = m_lastRequest.try_emplace(playerId, steadyNow);
    if (!fresh) {
        countOnline(playerId, steadyNow - it->second);
        it->second = steadyNow;
    }
    return playerId;
}

void SessionTable::closeShared(std::string_view sessionId) {
    const std::string id = lowered(sessionId);
    int playerId = 0;
    {
        auto q = m_shared->query("DELETE FROM live_sessions WHERE session_id = ?1 RETURNING player_id");
        q->bind(1, id);
        if (q->step()) {
            playerId = static_cast<int>(q->columnInt(0));
        }
    }
    std::lock_guard lock(m_mutex);
    m_lastRequest.erase(playerId);
}

std::size_t SessionTable::sizeShared() const {
    auto q = m_shared->query("SELECT COUNT(*) FROM live_sessions");
    return q->step() ? static_cast<std::size_t>(q->columnInt(0)) : 0;
}

std::size_t SessionTable::sweepShared() {
    const std::int64_t cutoff = m_wallMs() - std::chrono::duration_cast<std::chrono::milliseconds>(m_lifetime).count();
    std::size_t dropped = 0;
    {
        auto q = m_shared->query("DELETE FROM live_sessions WHERE last_seen < ?1");
        q->bind(1, cutoff).run();
        dropped = static_cast<std::size_t>(q->changes());
    }
    // This server's memory of players who went quiet (they may be on another server now).
    std::lock_guard lock(m_mutex);
    const auto steadyNow = m_now();
    std::erase_if(m_lastRequest, [&](const auto& entry) { return steadyNow - entry.second > m_lifetime; });
    return dropped;
}

} // namespace server

#include "commands/PushQueue.h"

namespace server {

bool PushQueue::push(int playerId, Json::Value message) {
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
    std::lock_guard lock(m_mutex);
    auto it = m_entries.find(playerId);
    return it == m_entries.end() ? 0 : it->second.messages.size();
}

PushQueue::Beat PushQueue::heartbeat(int playerId, std::int64_t nowMs) {
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
    std::lock_guard lock(m_mutex);
    m_entries.erase(playerId);
}

} // namespace server

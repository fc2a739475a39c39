// Messages waiting for a player's next heartbeat, one leaves per heartbeat answer, oldest first.
// Also keeps each player's team-match status, which every plain heartbeat answer reports.
//
// Held in memory only: a push is a hint about something live (a contest, a pairing), worthless
// after a restart.
#pragma once

#include <json/value.h>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace server {

class PushQueue {
public:
    explicit PushQueue(std::size_t perPlayerLimit = 64) : m_limit(perPlayerLimit) {}

    // The message becomes a whole heartbeat answer, so it names its own "system" (28, 29, 31,
    // 32). When the player's queue is full the oldest message is dropped; returns false then.
    bool push(int playerId, Json::Value message);
    std::optional<Json::Value> pop(int playerId);
    std::size_t pending(int playerId) const;

    // A heartbeat's work under one lock: the oldest message, the team-match status, and the time
    // of this heartbeat kept for lastHeartbeat().
    struct Beat {
        std::optional<Json::Value> message;
        int teamMatchStatus = 0;
        std::int64_t lastHeartbeat = 0;
    };
    Beat heartbeat(int playerId, std::int64_t nowMs);
    // The contest clock's time of the player's last heartbeat; 0 when none came.
    std::int64_t lastHeartbeat(int playerId) const;

    void setTeamMatchStatus(int playerId, int status);
    int teamMatchStatus(int playerId) const;

    void forget(int playerId); // the player's session ended

private:
    struct Entry {
        std::deque<Json::Value> messages;
        int teamMatchStatus = 0;
        std::int64_t lastHeartbeat = 0;
    };

    mutable std::mutex m_mutex;
    std::unordered_map<int, Entry> m_entries;
    std::size_t m_limit;
};

} // namespace server

// Messages waiting for a player's next heartbeat, one leaves per heartbeat answer, oldest first.
// Also keeps each player's team-match status, which every plain heartbeat answer reports.
//
// Held in memory only: a push is a hint about something live (a contest, a pairing), worthless
// after a restart. Several game servers on one database share the messages instead (share()):
// a push made on one server waits in live_pushes for the player's heartbeat on any of them, and
// the heartbeat times the contests read go to live_beats. The team-match status stays per
// server: every server's team tick derives it from the stored match.
#pragma once

#include <json/value.h>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace server {

class Storage;

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

    // From now on messages and heartbeat times live in the database (tables migrated already).
    // `postgres` picks the row locking the database offers.
    void share(Storage& storage, bool postgres);
    // A shared heartbeat time is written when it moved on by this much: the contests' absence
    // rule counts in tens of seconds.
    static constexpr std::int64_t kBeatWriteMs = 3'000;

private:
    struct Entry {
        std::deque<Json::Value> messages;
        int teamMatchStatus = 0;
        std::int64_t lastHeartbeat = 0;
    };

    bool pushShared(int playerId, const Json::Value& message);
    std::optional<Json::Value> popShared(int playerId);
    std::int64_t lastHeartbeatShared(int playerId) const;
    Beat heartbeatShared(int playerId, std::int64_t nowMs);

    Storage* m_shared = nullptr;
    bool m_postgres = false;
    mutable std::mutex m_mutex;
    std::unordered_map<int, Entry> m_entries;
    std::size_t m_limit;
};

} // namespace server

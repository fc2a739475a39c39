// Live sessions, in memory: 128 random bits as 32 lower-case hex digits, one session per player
// (a new login replaces the player's old session). A session expires after the configured idle
// time; every request that uses it counts as activity.
//
// A restart forgets every session; clients then get the session notice and log in again, which
// they do silently for guests and remembered accounts.
//
// Several game servers on one database share their sessions instead (share()): each lives in a
// row of live_sessions, so a player's requests may land on any server of the cluster, a login on
// one replaces the session everywhere, and a server dying loses none.
//
// Online time is counted here, where every request already passes: the gap between two requests
// of one session counts when it is at most kOnlineGap (the client heartbeats every 20 s, so a
// longer silence means it was gone). The seconds wait in memory until takeOnlineSeconds() hands
// them to the database, so a heartbeat still touches none.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace server {

class Storage;

class SessionTable {
public:
    using Clock = std::chrono::steady_clock;

    explicit SessionTable(std::chrono::seconds lifetime) : m_lifetime(lifetime) {}

    std::string open(int playerId);
    // The player of a live session whose id and player id both match; refreshes its idle time.
    std::optional<int> check(std::string_view sessionId, int playerId);
    void close(std::string_view sessionId);
    std::size_t size() const;
    // Drops every expired session; returns how many.
    std::size_t sweep();

    static constexpr std::chrono::seconds kOnlineGap{120};
    // Online seconds gathered per player since the last call, and forgets them.
    std::unordered_map<int, std::int64_t> takeOnlineSeconds();

    // From now on the sessions live in the database's live_sessions table (migrated already).
    void share(Storage& storage) { m_shared = &storage; }
    bool shared() const { return m_shared != nullptr; }
    // A shared session's last_seen is written at most this often: a heartbeat mostly only reads.
    static constexpr std::int64_t kTouchMs = 15'000;

    // Tests age sessions without waiting.
    void setClockForTesting(Clock::time_point (*now)()) { m_now = now; }
    void setWallClockForTesting(std::int64_t (*nowMs)()) { m_wallMs = nowMs; }

private:
    using Key = std::array<std::uint8_t, 16>;
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    struct Entry {
        int playerId;
        Clock::time_point lastSeen;
    };
    void countOnline(int playerId, Clock::duration gap);
    static std::optional<Key> parse(std::string_view hex);
    static std::string newId();
    std::string openShared(int playerId);
    std::optional<int> checkShared(std::string_view sessionId, int playerId);
    void closeShared(std::string_view sessionId);
    std::size_t sizeShared() const;
    std::size_t sweepShared();
    static std::int64_t systemMs();

    mutable std::mutex m_mutex;
    std::unordered_map<Key, Entry, KeyHash> m_sessions;
    std::unordered_map<int, Key> m_byPlayer;
    std::unordered_map<int, Clock::duration> m_online;
    std::chrono::seconds m_lifetime;
    Clock::time_point (*m_now)() = &Clock::now;
    std::int64_t (*m_wallMs)() = &systemMs;
    Storage* m_shared = nullptr;
    // Shared sessions: when this server last saw each player, for the online time.
    std::unordered_map<int, Clock::time_point> m_lastRequest;
};

} // namespace server

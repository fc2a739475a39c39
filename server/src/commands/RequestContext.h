// What a command handler gets besides the request JSON.
#pragma once

#include <string>

namespace server {

struct ServerConfig;
class Storage;
class PlayerStore;
class PushQueue;
class SessionTable;
namespace referrals {
class ReferralStore;
}
namespace achievements {
class AchievementCounters;
}

// The long-lived parts of the server, shared by every request. Handlers must be thread-safe: two
// io threads run requests at once. Storage and PlayerStore lock internally; PushQueue too.
struct ServerServices {
    const ServerConfig& config;
    Storage& storage;
    PlayerStore& players;
    PushQueue& pushes;
    SessionTable& sessions;
    referrals::ReferralStore& referrals;
    achievements::AchievementCounters& counters;
};

struct RequestContext {
    ServerServices& services;
    // Game server: the player the session belongs to (already checked against "sessionid" and
    // "id"). Entry server: 0, no session exists yet.
    int playerId = 0;
    std::string sessionId;
    std::string peer; // "host:port" of the client, for log lines
    // What the handler wants the request's log line to say beyond the answer (a refusal's
    // reason, a new player's id). Never a password, digest or whole session id.
    std::string logNote;

    const ServerConfig& config() const { return services.config; }
    Storage& storage() const { return services.storage; }
    PlayerStore& players() const { return services.players; }
    PushQueue& pushes() const { return services.pushes; }
};

} // namespace server

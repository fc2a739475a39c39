// Turns one request text into one answer: parse, check the session (game server), find the
// handler for "system", run it, log it. Never throws; every refusal is logged with the peer.
#pragma once

#include "commands/Answer.h"
#include "commands/CommandRegistry.h"
#include "net/RequestReader.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

namespace server {

class Dispatcher {
public:
    Dispatcher(ServerRole role, const CommandRegistry& registry, ServerServices& services)
        : m_role(role), m_registry(registry), m_services(services) {}

    // nullopt-like: an Answer with isRaw and empty bytes is never produced; a request that is not
    // a JSON object yields {"response": 0}.
    Answer handle(std::string_view text, const std::string& peer) const;

    // {"system": 1, "response": 2}: the client logs in again or asks the player to.
    static Json::Value sessionNotice();

    // Requests handled since the last call whose command logs below the current level
    // (heartbeats at "info"), for a summary line; the count restarts at 0.
    std::uint64_t takeUnloggedCount() const;

private:
    ServerRole m_role;
    const CommandRegistry& m_registry;
    ServerServices& m_services;
    mutable std::atomic<std::uint64_t> m_unlogged{0};
};

} // namespace server

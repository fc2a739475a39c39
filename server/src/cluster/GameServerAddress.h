// One game server an entry server hands out: the host and port clients are told to use, which is
// also where the entry server checks on it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace server::cluster {

struct GameServerAddress {
    std::string host;
    int port = 0;

    std::string text() const { return host + ":" + std::to_string(port); }
    bool operator==(const GameServerAddress&) const = default;

    // "HOST:PORT" with HOST a DNS name or a dotted IPv4 address and PORT 1 to 65535, digits only.
    // nullopt with `why` filled for anything else (a wildcard address included: clients cannot
    // use it).
    static std::optional<GameServerAddress> parse(std::string_view text, std::string& why);
};

} // namespace server::cluster

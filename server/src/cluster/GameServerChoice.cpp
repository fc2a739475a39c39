#include "cluster/GameServerChoice.h"

namespace server::cluster {

std::optional<std::size_t> chooseGameServer(const std::vector<bool>& up, int playerId) {
    const std::size_t count = up.size();
    if (count == 0) {
        return std::nullopt;
    }
    // Ids are positive; the cast keeps a stray negative one from giving a negative remainder.
    const std::size_t own = static_cast<std::size_t>(static_cast<unsigned int>(playerId)) % count;
    for (std::size_t step = 0; step < count; ++step) {
        const std::size_t index = (own + step) % count;
        if (up[index]) {
            return index;
        }
    }
    return std::nullopt;
}

} // namespace server::cluster

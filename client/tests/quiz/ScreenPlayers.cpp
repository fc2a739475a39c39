#include "quiz/ScreenPlayers.h"

#include <map>
#include <utility>

namespace test_support {

namespace {
std::map<std::pair<int, int>, ScreenPlayer>& table() {
    // Built on first use: players register from static initialisers of other files.
    static std::map<std::pair<int, int>, ScreenPlayer> players;
    return players;
}
} // namespace

bool addScreenPlayer(int gameType, int playType, ScreenPlayer player) {
    return table().emplace(std::make_pair(gameType, playType), std::move(player)).second;
}

const ScreenPlayer* screenPlayer(int gameType, int playType) {
    auto it = table().find({gameType, playType});
    return it == table().end() ? nullptr : &it->second;
}

} // namespace test_support

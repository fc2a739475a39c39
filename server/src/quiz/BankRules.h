// What a bank line must carry: the members its screen reads, in the shapes the screen expects,
// and a "right" that the screen can actually produce. Unknown members are refused so that a
// misspelt key is found at import instead of on a player's screen.
#pragma once

#include "quiz/BankEntry.h"

#include <string>
#include <string_view>
#include <vector>

namespace server::quiz {

struct CheckedEntry {
    BankEntry entry;
    std::vector<std::string> problems; // empty when the line is good
};

class BankRules {
public:
    // The longest answer text the server takes (longer ones are refused unjudged), so no "right"
    // may be longer.
    static constexpr std::size_t kMaxAnswerBytes = 1024;

    static CheckedEntry check(const Json::Value& line);

    // Every (game type, play type) pair that has a screen in the game.
    static const std::vector<std::pair<int, int>>& supportedPairs();
    static bool isSupported(int gameType, int playType);

    // Media files this entry makes the client download, in the order the entry names them.
    static std::vector<std::string> mediaNames(const BankEntry& entry);

    // Flat names only: lower-case letters, digits and "_", one dot, extension png, mp3 or mp4.
    static bool isMediaName(std::string_view name);
};

} // namespace server::quiz

#include "teams/TeamName.h"

namespace server::teams {

namespace {

bool asciiAllowed(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

std::string TeamName::problem(std::string_view name) {
    if (name.empty()) {
        return "an empty team name";
    }
    std::size_t ascii = 0;
    for (std::size_t i = 0; i < name.size();) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c < 0x80) {
            if (!asciiAllowed(c)) {
                return "a team name with the byte " + std::to_string(c);
            }
            ++ascii;
            ++i;
            continue;
        }
        // Only the three-byte forms E4 80 80 .. E9 BF BF: the ideographs U+4E00 to U+9FFF.
        if (i + 3 > name.size()) {
            return "a team name cut inside a character";
        }
        const auto c1 = static_cast<unsigned char>(name[i + 1]);
        const auto c2 = static_cast<unsigned char>(name[i + 2]);
        if ((c1 & 0xC0) != 0x80 || (c2 & 0xC0) != 0x80) {
            return "a team name that is not UTF-8";
        }
        const unsigned code = ((c & 0x0Fu) << 12) | ((c1 & 0x3Fu) << 6) | (c2 & 0x3Fu);
        if ((c & 0xF0) != 0xE0 || code < 0x4E00 || code > 0x9FFF) {
            return "a team name with a character other than letters, digits and ideographs";
        }
        i += 3;
    }
    if (name.size() + ascii - 1 > 15) {
        return "a team name of " + std::to_string(name.size()) + " bytes, too long";
    }
    return {};
}

} // namespace server::teams

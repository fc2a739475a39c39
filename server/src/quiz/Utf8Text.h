// Splitting texts into characters the way the game's screens do, and checking that a bank text
// survives that split.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace server::quiz {

class Utf8Text {
public:
    // The client's rule: a byte below 0x80 is one character, any other byte starts a character of
    // three bytes. Only valid for texts that isClientSafe accepts.
    static std::vector<std::string> characters(std::string_view text);

    // Well-formed UTF-8 whose characters are all one or three bytes long, so the client's split
    // lands on character boundaries (no two-byte Latin letters, no four-byte emoji).
    static bool isClientSafe(std::string_view text);

    static std::size_t length(std::string_view text) { return characters(text).size(); }
};

} // namespace server::quiz

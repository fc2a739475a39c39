// Tells when a stream of bytes has formed one complete JSON object, without parsing it: counts
// brackets outside strings (escapes understood). The parser proper runs once the object is whole.
#pragma once

#include <cstddef>
#include <string_view>

namespace server {

class JsonObjectScanner {
public:
    enum class State { Incomplete, Complete, Invalid };

    // Deeper nesting than this is refused before any parser sees it.
    static constexpr int kMaxDepth = 64;

    // Scans more bytes. Once Complete, consumed() is the length of the object (leading blanks
    // included); later bytes are not looked at. Invalid: the first non-blank byte is not "{",
    // a bracket closes below zero, or the nesting is too deep.
    State feed(std::string_view bytes);
    State state() const { return m_state; }
    std::size_t consumed() const { return m_consumed; }

private:
    State m_state = State::Incomplete;
    std::size_t m_consumed = 0;
    int m_depth = 0;
    bool m_started = false;
    bool m_inString = false;
    bool m_escape = false;
};

} // namespace server

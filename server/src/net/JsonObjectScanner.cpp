#include "net/JsonObjectScanner.h"

namespace server {

JsonObjectScanner::State JsonObjectScanner::feed(std::string_view bytes) {
    for (char c : bytes) {
        if (m_state != State::Incomplete) {
            break;
        }
        ++m_consumed;
        if (!m_started) {
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                continue;
            }
            if (c != '{') {
                m_state = State::Invalid;
                break;
            }
            m_started = true;
            m_depth = 1;
            continue;
        }
        if (m_inString) {
            if (m_escape) {
                m_escape = false;
            } else if (c == '\\') {
                m_escape = true;
            } else if (c == '"') {
                m_inString = false;
            }
            continue;
        }
        switch (c) {
        case '"':
            m_inString = true;
            break;
        case '{':
        case '[':
            if (++m_depth > kMaxDepth) {
                m_state = State::Invalid;
            }
            break;
        case '}':
        case ']':
            if (--m_depth == 0) {
                m_state = State::Complete;
            }
            break;
        default:
            break;
        }
    }
    return m_state;
}

} // namespace server

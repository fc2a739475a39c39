#include "net/RequestReader.h"

namespace server {

namespace {

constexpr std::uint8_t kNotBase64 = 0xFF;

constexpr std::array<std::uint8_t, 256> makeTable() {
    std::array<std::uint8_t, 256> table{};
    for (auto& entry : table) {
        entry = kNotBase64;
    }
    constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (int i = 0; i < 64; ++i) {
        table[static_cast<unsigned char>(alphabet[i])] = static_cast<std::uint8_t>(i);
    }
    return table;
}

constexpr auto kTable = makeTable();

} // namespace

RequestReader::Status RequestReader::fail(std::string why) {
    m_error = std::move(why);
    m_status = Status::Invalid;
    return m_status;
}

bool RequestReader::lineBreakPending() const {
    return m_role == ServerRole::Game && m_status == Status::Complete && m_characters % 76 == 0 &&
           m_trailingBreaks < 2;
}

RequestReader::Status RequestReader::feed(std::string_view bytes) {
    if (m_status != Status::NeedMore) {
        return m_status;
    }
    const std::size_t room = m_maxBytes - m_received;
    const bool overLimit = bytes.size() > room;
    if (overLimit) {
        bytes = bytes.substr(0, room);
    }
    m_received += bytes.size();
    if (m_role == ServerRole::Entry) {
        feedEntry(bytes);
    } else {
        feedGame(bytes);
    }
    if (m_status == Status::NeedMore && overLimit) {
        return fail("request larger than " + std::to_string(m_maxBytes) + " bytes");
    }
    return m_status;
}

RequestReader::Status RequestReader::addDecoded(std::string_view decoded) {
    const std::size_t before = m_scanner.consumed();
    switch (m_scanner.feed(decoded)) {
    case JsonObjectScanner::State::Complete:
        m_text.append(decoded.substr(0, m_scanner.consumed() - before));
        m_status = Status::Complete;
        break;
    case JsonObjectScanner::State::Invalid:
        return fail("the request is not a JSON object");
    case JsonObjectScanner::State::Incomplete:
        m_text.append(decoded);
        break;
    }
    return m_status;
}

RequestReader::Status RequestReader::feedEntry(std::string_view bytes) { return addDecoded(bytes); }

bool RequestReader::flushGroup() {
    const std::uint32_t v = static_cast<std::uint32_t>(m_group[0]) << 18 | static_cast<std::uint32_t>(m_group[1]) << 12 |
                            static_cast<std::uint32_t>(m_group[2]) << 6 | m_group[3];
    const char bytes[3] = {static_cast<char>(v >> 16), static_cast<char>(v >> 8 & 0xFF), static_cast<char>(v & 0xFF)};
    const std::size_t count = 3 - static_cast<std::size_t>(m_padding);
    if (m_padding > 0) {
        m_ended = true;
    }
    m_groupFill = 0;
    m_padding = 0;
    return addDecoded(std::string_view(bytes, count)) != Status::Invalid;
}

RequestReader::Status RequestReader::feedGame(std::string_view bytes) {
    std::size_t i = 0;
    while (m_headerFill < m_header.size() && i < bytes.size()) {
        m_header[m_headerFill++] = bytes[i++];
        if (m_headerFill == 1 && (m_header[0] < '0' || m_header[0] > '3')) {
            return fail("the header's first byte is not a key digit");
        }
        if (m_headerFill == m_header.size()) {
            const int digit = m_header[0] - '0';
            m_key = static_cast<std::uint8_t>(digit == 0 ? '0' : m_header[digit]);
        }
    }
    for (; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(static_cast<std::uint8_t>(bytes[i]) ^ m_key);
        if (m_status != Status::NeedMore) {
            if ((c == '\r' || c == '\n') && m_trailingBreaks < 2) {
                ++m_trailingBreaks;
                continue;
            }
            break;
        }
        if (c == '\r' || c == '\n') {
            if (m_groupFill != 0) {
                return fail("a line break inside a Base64 group");
            }
            continue;
        }
        if (m_ended) {
            return fail("Base64 text after the padding");
        }
        ++m_characters;
        if (c == '=') {
            if (m_groupFill < 2) {
                return fail("misplaced Base64 padding");
            }
            m_group[m_groupFill++] = 0;
            ++m_padding;
        } else {
            const std::uint8_t value = kTable[c];
            if (value == kNotBase64) {
                return fail("a byte outside the Base64 alphabet");
            }
            if (m_padding > 0) {
                return fail("Base64 text after the padding");
            }
            m_group[m_groupFill++] = value;
        }
        if (m_groupFill == m_group.size() && !flushGroup()) {
            return m_status;
        }
    }
    return m_status;
}

} // namespace server

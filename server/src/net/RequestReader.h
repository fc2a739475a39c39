// Collects one request from the bytes of a connection, as they arrive in pieces.
//
// Entry server: the JSON text itself. Game server: the header "d" K K K (d a digit "0" to "3"
// naming the key byte, "0" meaning the digit itself), then Base64 text masked with K, CR LF
// allowed between groups. Both end where the decoded text forms one complete JSON object: there
// is no length prefix on requests.
#pragma once

#include "net/JsonObjectScanner.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace server {

enum class ServerRole { Entry, Game };

class RequestReader {
public:
    enum class Status { NeedMore, Complete, Invalid };

    RequestReader(ServerRole role, std::size_t maxBytes) : m_role(role), m_maxBytes(maxBytes) {}

    Status feed(std::string_view bytes);
    Status status() const { return m_status; }
    // The JSON text of the request once Complete.
    const std::string& text() const { return m_text; }
    // Why the request was refused once Invalid, for the log.
    const std::string& error() const { return m_error; }
    std::size_t received() const { return m_received; }
    // Complete, but the client's encoder still owes a CR LF (its Base64 text filled the last line
    // exactly) that had not arrived with the request: closing now could reset the connection.
    bool lineBreakPending() const;

private:
    Status fail(std::string why);
    Status feedEntry(std::string_view bytes);
    Status feedGame(std::string_view bytes);
    Status addDecoded(std::string_view decoded);
    bool flushGroup(); // decodes the 4 collected characters

    ServerRole m_role;
    std::size_t m_maxBytes;
    std::size_t m_received = 0;
    Status m_status = Status::NeedMore;
    std::string m_text;
    std::string m_error;
    JsonObjectScanner m_scanner;

    // Game body state.
    std::array<char, 4> m_header{};
    std::size_t m_headerFill = 0;
    std::uint8_t m_key = 0;
    std::array<std::uint8_t, 4> m_group{};
    std::size_t m_groupFill = 0;
    std::size_t m_characters = 0; // Base64 characters so far, line breaks not counted
    int m_trailingBreaks = 0;     // CR and LF bytes seen after the request was complete
    int m_padding = 0;        // "=" characters in the current group
    bool m_ended = false;     // a padded group was seen: nothing but line breaks may follow
};

} // namespace server

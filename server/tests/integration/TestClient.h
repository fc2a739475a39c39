// A blocking loopback client that speaks the real wire format, for the integration tests.
#pragma once

#include <json/value.h>
#include <json/writer.h> // operator<< for test messages

#include <chrono>
#include <string>
#include <string_view>

namespace server::test {

struct Exchange {
    bool answered = false; // a whole length-prefixed answer arrived
    std::string body;      // the answer body (without the length prefix)
    std::string error;     // why not
};

class TestClient {
public:
    // A connected socket, or -1.
    static int connectTo(int port);
    // Sends all bytes, then reads one length-prefixed answer.
    static Exchange exchange(int port, std::string_view bytes,
                             std::chrono::milliseconds timeout = std::chrono::milliseconds(10'000));
    // Reads one answer from an open socket (closes nothing).
    static Exchange readAnswer(int fd, std::chrono::milliseconds timeout);
    // true when the peer closes the socket (read returns 0 or reset) within the time.
    static bool waitForClose(int fd, std::chrono::milliseconds timeout);

    // JSON request and answer through the entry server (plain text) or the game server (masked).
    // A null value when no answer came.
    static Json::Value entry(int port, const Json::Value& request);
    static Json::Value game(int port, const Json::Value& request);
    static std::string write(const Json::Value& value);
};

} // namespace server::test

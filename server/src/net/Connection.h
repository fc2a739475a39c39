// One client connection: read one request, answer it, close. A connection that has not sent a
// whole request within the time-out, sends too much or sends garbage is closed with a log line.
#pragma once

#include "net/EndpointState.h"
#include "net/RequestReader.h"

#include <asio/ip/tcp.hpp>
#include <asio/steady_timer.hpp>

#include <array>
#include <memory>
#include <string>

namespace server {

class Connection : public std::enable_shared_from_this<Connection> {
public:
    Connection(asio::ip::tcp::socket socket, std::shared_ptr<EndpointState> endpoint);
    ~Connection();
    void start();

private:
    enum class Phase { Reading, Working, Writing, Draining, Closed };

    void read();
    void onRead(const std::error_code& error, std::size_t bytes);
    void process();
    std::string buildAnswer();
    void write(std::string framed);
    void drain();
    void armTimer();
    void close();
    std::string where() const; // the server and the peer, for log lines

    asio::ip::tcp::socket m_socket;
    asio::steady_timer m_timer;
    std::shared_ptr<EndpointState> m_endpoint;
    RequestReader m_reader;
    std::string m_peer;
    std::string m_answer;
    Phase m_phase = Phase::Reading;
    std::array<char, 4096> m_buffer;
};

} // namespace server

// Accepts connections for one server and hands each to a Connection, up to the connection cap;
// connections past the cap are closed at once with a log line.
#pragma once

#include "net/EndpointState.h"

#include <asio/io_context.hpp>
#include <asio/ip/tcp.hpp>
#include <asio/steady_timer.hpp>

#include <memory>
#include <string>

namespace server {

class Listener {
public:
    Listener(asio::io_context& io, std::shared_ptr<EndpointState> endpoint);

    // Binds and listens (SO_REUSEPORT, so each io thread can have a listener on the port); port 0
    // picks a free one. Returns the bound port. Throws std::system_error.
    int bind(const std::string& host, int port);
    void start();
    void close();

private:
    void accept();

    asio::io_context& m_io;
    asio::ip::tcp::acceptor m_acceptor;
    asio::steady_timer m_retry;
    std::shared_ptr<EndpointState> m_endpoint;
};

} // namespace server

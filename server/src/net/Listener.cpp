#include "net/Listener.h"

#include "app/Log.h"
#include "net/Connection.h"

#include <asio/strand.hpp>

namespace server {

Listener::Listener(asio::io_context& io, std::shared_ptr<EndpointState> endpoint)
    : m_io(io), m_acceptor(io), m_retry(io), m_endpoint(std::move(endpoint)) {}

int Listener::bind(const std::string& host, int port) {
    const asio::ip::tcp::endpoint where(asio::ip::make_address(host), static_cast<unsigned short>(port));
    m_acceptor.open(where.protocol());
    m_acceptor.set_option(asio::ip::tcp::acceptor::reuse_address(true));
    // Every io thread listens on the same port; the kernel spreads the connections.
    m_acceptor.set_option(asio::detail::socket_option::boolean<SOL_SOCKET, SO_REUSEPORT>(true));
    m_acceptor.bind(where);
    m_acceptor.listen(4096);
    return m_acceptor.local_endpoint().port();
}

void Listener::start() { accept(); }

void Listener::close() {
    std::error_code ignored;
    m_acceptor.close(ignored);
    m_retry.cancel();
}

void Listener::accept() {
    // Each connection gets its own strand: its read, its timer and its hand-back from the work
    // pool never run at the same time.
    m_acceptor.async_accept(asio::make_strand(m_io), [this](const std::error_code& error, asio::ip::tcp::socket socket) {
        if (error == asio::error::operation_aborted || !m_acceptor.is_open()) {
            return;
        }
        if (error) {
            // Out of file descriptors and the like: pause instead of spinning on the error.
            Log::refusal(std::string(m_endpoint->role == ServerRole::Entry ? "entry" : "game") + " listener",
                         "accept failed: " + error.message());
            m_retry.expires_after(std::chrono::milliseconds(50));
            m_retry.async_wait([this](const std::error_code& waitError) {
                if (!waitError) {
                    accept();
                }
            });
            return;
        }
        if (m_endpoint->openConnections.load(std::memory_order_relaxed) >= m_endpoint->maxConnections) {
            std::error_code ignored;
            const auto remote = socket.remote_endpoint(ignored);
            Log::refusal(std::string(m_endpoint->role == ServerRole::Entry ? "entry " : "game ") +
                             remote.address().to_string() + ":" + std::to_string(remote.port()),
                         "connection cap of " + std::to_string(m_endpoint->maxConnections) + " reached");
            socket.close(ignored);
        } else {
            m_endpoint->openConnections.fetch_add(1, std::memory_order_relaxed);
            std::make_shared<Connection>(std::move(socket), m_endpoint)->start();
        }
        accept();
    });
}

} // namespace server

#include "net/Connection.h"

#include "app/Log.h"
#include "commands/Dispatcher.h"
#include "commands/JsonText.h"
#include "wire/frame.h"

#include <asio/post.hpp>
#include <asio/write.hpp>

namespace server {

Connection::Connection(asio::ip::tcp::socket socket, std::shared_ptr<EndpointState> endpoint)
    : m_socket(std::move(socket)), m_timer(m_socket.get_executor()), m_endpoint(std::move(endpoint)),
      m_reader(m_endpoint->role, m_endpoint->maxRequestBytes) {}

Connection::~Connection() { m_endpoint->openConnections.fetch_sub(1, std::memory_order_relaxed); }

void Connection::start() {
    std::error_code error;
    const auto remote = m_socket.remote_endpoint(error);
    m_peer = error ? std::string("unknown peer") : remote.address().to_string() + ":" + std::to_string(remote.port());
    armTimer();
    read();
}

std::string Connection::where() const {
    return std::string(m_endpoint->role == ServerRole::Entry ? "entry " : "game ") + m_peer;
}

void Connection::armTimer() {
    m_timer.expires_after(m_endpoint->timeout);
    m_timer.async_wait([self = shared_from_this()](const std::error_code& error) {
        if (error || self->m_phase == Phase::Closed) {
            return; // re-armed or finished
        }
        if (self->m_phase == Phase::Reading) {
            Log::refusal(self->where(), "no complete request within " + std::to_string(self->m_endpoint->timeout.count()) +
                                           " ms (" + std::to_string(self->m_reader.received()) + " bytes)");
        }
        self->close();
    });
}

void Connection::read() {
    m_socket.async_read_some(asio::buffer(m_buffer),
                             [self = shared_from_this()](const std::error_code& error, std::size_t bytes) {
                                 self->onRead(error, bytes);
                             });
}

void Connection::onRead(const std::error_code& error, std::size_t bytes) {
    if (m_phase != Phase::Reading) {
        return;
    }
    if (error) {
        if (error != asio::error::operation_aborted) {
            Log::refusal(where(), m_reader.received() == 0
                                     ? std::string("closed without a request")
                                     : "closed in the middle of a request (" + std::to_string(m_reader.received()) +
                                           " bytes)");
        }
        close();
        return;
    }
    switch (m_reader.feed(std::string_view(m_buffer.data(), bytes))) {
    case RequestReader::Status::NeedMore:
        read();
        break;
    case RequestReader::Status::Invalid:
        Log::refusal(where(), m_reader.error());
        close();
        break;
    case RequestReader::Status::Complete:
        process();
        break;
    }
}

void Connection::process() {
    m_phase = Phase::Working;
    if (m_endpoint->workPool == nullptr) {
        write(buildAnswer());
        return;
    }
    // Slow work (password hashing) must not hold up the io threads that serve the game.
    asio::post(*m_endpoint->workPool, [self = shared_from_this()] {
        std::string framed = self->buildAnswer();
        asio::post(self->m_socket.get_executor(),
                   [self, framed = std::move(framed)]() mutable { self->write(std::move(framed)); });
    });
}

std::string Connection::buildAnswer() {
    Answer answer = m_endpoint->dispatcher.handle(m_reader.text(), m_peer);
    if (answer.isRaw) {
        return wire::frameAnswer(answer.rawBytes);
    }
    const std::string text = JsonText::write(answer.json);
    if (m_endpoint->role == ServerRole::Entry) {
        return wire::frameAnswer(text);
    }
    // Any of the four key positions is valid; vary them so every client path stays exercised.
    const std::uint32_t n = m_endpoint->answered.fetch_add(1, std::memory_order_relaxed);
    const char digit = static_cast<char>('0' + n % 4);
    const auto key = static_cast<std::uint8_t>(0x41 + n % 23);
    return wire::frameAnswer(wire::encodeAnswerBody(text, digit, key));
}

void Connection::write(std::string framed) {
    if (m_phase == Phase::Closed) {
        return;
    }
    m_phase = Phase::Writing;
    m_answer = std::move(framed);
    if (m_answer.size() > 64 * 1024) {
        armTimer(); // a large media file gets its own time to leave; small answers fit the first
    }
    asio::async_write(m_socket, asio::buffer(m_answer), [self = shared_from_this()](const std::error_code& error, std::size_t) {
        if (error) {
            self->close();
            return;
        }
        // Nothing more to come from the client: close at once, like any web server. Otherwise
        // wait for it, since closing with unread bytes resets the connection.
        std::error_code ignored;
        if (!self->m_reader.lineBreakPending() && self->m_socket.available(ignored) == 0 && !ignored) {
            self->m_socket.shutdown(asio::ip::tcp::socket::shutdown_send, ignored);
            self->close();
            return;
        }
        self->drain();
    });
}

void Connection::drain() {
    // Half-close and wait for the client to close first: closing with its trailing bytes unread
    // would reset the connection and could destroy the answer in flight.
    m_phase = Phase::Draining;
    std::error_code ignored;
    m_socket.shutdown(asio::ip::tcp::socket::shutdown_send, ignored);
    m_socket.async_read_some(asio::buffer(m_buffer), [self = shared_from_this()](const std::error_code& error, std::size_t) {
        if (error || self->m_phase == Phase::Closed) {
            self->close();
            return;
        }
        self->drain();
    });
}

void Connection::close() {
    if (m_phase == Phase::Closed) {
        return;
    }
    m_phase = Phase::Closed;
    std::error_code ignored;
    m_timer.cancel();
    m_socket.close(ignored);
}

} // namespace server

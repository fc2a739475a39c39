#include "support/LoopbackServer.h"

#include "net/JsonRead.h"
#include "wire/frame.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace test_support {

LoopbackServer::LoopbackServer(bool gameRole, Script script) : m_gameRole(gameRole), m_script(std::move(script)) {
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    int reuse = 1;
    ::setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof(reuse));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    ::listen(m_listener, 16);
    socklen_t size = sizeof(address);
    ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size);
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { serve(); });
}

LoopbackServer::~LoopbackServer() {
    m_stop = true;
    m_thread.join();
    ::close(m_listener);
}

unsigned short LoopbackServer::closedPort() {
    int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    socklen_t size = sizeof(address);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(s);
    return ntohs(address.sin_port);
}

std::string LoopbackServer::frame(const std::string& body) { return wire::frameAnswer(body); }

std::vector<Json::Value> LoopbackServer::requests() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_requests;
}

std::vector<int> LoopbackServer::systems() const {
    std::vector<int> out;
    for (const Json::Value& request : requests()) {
        out.push_back(JsonRead::intOf(request, "system"));
    }
    return out;
}

void LoopbackServer::serve() {
    while (!m_stop) {
        pollfd wait{m_listener, POLLIN, 0};
        if (::poll(&wait, 1, 20) <= 0) {
            continue;
        }
        const int client = ::accept(m_listener, nullptr, nullptr);
        if (client >= 0) {
            handle(client);
            ::close(client);
        }
    }
}

void LoopbackServer::handle(int client) {
    std::string bytes;
    Json::Value request;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    bool complete = false;
    while (!complete && !m_stop && std::chrono::steady_clock::now() < deadline) {
        pollfd wait{client, POLLIN, 0};
        if (::poll(&wait, 1, 20) <= 0) {
            continue;
        }
        char buffer[4096];
        const ssize_t n = ::recv(client, buffer, sizeof(buffer), 0);
        if (n <= 0) {
            return;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
        std::string text = bytes;
        if (m_gameRole) {
            const wire::Decoded decoded = wire::decodeBody(bytes);
            if (!decoded.ok) continue;
            text = decoded.text;
        }
        complete = JsonRead::parse(text, request) && request.isObject();
    }
    if (!complete) {
        return;
    }
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_requests.push_back(request);
    }
    const Reply reply = m_script(request);
    std::string out;
    switch (reply.kind) {
    case Reply::Close:
        return;
    case Reply::Hold: {
        // Until the client gives up and closes.
        while (!m_stop) {
            pollfd wait{client, POLLIN, 0};
            if (::poll(&wait, 1, 20) > 0) {
                char buffer[64];
                if (::recv(client, buffer, sizeof(buffer), 0) <= 0) return;
            }
        }
        return;
    }
    case Reply::RawBytes:
        out = reply.bytes;
        break;
    case Reply::Answer: {
        std::string body = reply.body.empty() ? JsonRead::compact(reply.answer) : reply.body;
        if (m_gameRole && reply.body.empty()) {
            body = wire::encodeAnswerBody(body, '1', 0x5A);
        }
        out = frame(body);
        break;
    }
    }
    std::size_t sent = 0;
    while (sent < out.size()) {
        const ssize_t n = ::send(client, out.data() + sent, out.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) break;
        sent += static_cast<std::size_t>(n);
    }
}

} // namespace test_support

#include "net/BaseSock.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

BaseSock::~BaseSock() {
    close();
    m_host.clear();
}

bool BaseSock::create(bool datagram) {
    m_datagram = datagram;
    m_handle = ::socket(AF_INET, datagram ? SOCK_DGRAM : SOCK_STREAM, 0);
    if (m_handle != -1) {
        ::fcntl(m_handle, F_SETFD, FD_CLOEXEC);
        if (datagram) {
            m_open = true;
        }
    }
    return m_handle != -1;
}

bool BaseSock::connect(const std::string& host, std::uint16_t port) {
    if (m_handle == -1) {
        return false;
    }
    m_host = host;
    m_port = port;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (host.empty() || ::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
        close();
        return false;
    }
    sockaddr_in address{};
    std::memcpy(&address, found->ai_addr, sizeof(address));
    ::freeaddrinfo(found);
    address.sin_port = htons(port);
    int result;
    do {
        result = ::connect(m_handle, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        close();
        return false;
    }
    int size = kReceiveBufferSize;
    ::setsockopt(m_handle, SOL_SOCKET, SO_RCVBUF, &size, sizeof(size));
    ::fcntl(m_handle, F_SETFL, ::fcntl(m_handle, F_GETFL) | O_NONBLOCK);
    std::fputs("socket Connect ok\n", stdout);
    std::fflush(stdout);
    m_open = true;
    return true;
}

bool BaseSock::bindAndListen(std::uint16_t port) {
    if (m_handle == -1) {
        return false;
    }
    int reuse = 1;
    ::setsockopt(m_handle, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof(reuse));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(port);
    if (::bind(m_handle, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(m_handle, 1024) != 0) {
        return false;
    }
    std::fputs("socket Bind\n", stdout);
    m_open = true;
    return true;
}

bool BaseSock::accept(BaseSock& peer) {
    if (m_handle == -1) {
        return false;
    }
    peer.m_handle = ::accept(m_handle, nullptr, nullptr);
    peer.m_open = peer.m_handle != -1;
    std::fputs("socket Accept\n", stdout);
    return peer.m_handle != -1;
}

void BaseSock::close() {
    if (m_handle != -1) {
        ::shutdown(m_handle, SHUT_RDWR);
        ::close(m_handle);
        m_handle = -1;
    }
    m_open = false;
}

int BaseSock::send(const char* bytes, int length) {
    if (m_handle == -1) {
        return -1;
    }
    int sent = 0;
    while (sent < length) {
        const ssize_t n = ::send(m_handle, bytes + sent, static_cast<std::size_t>(length - sent), MSG_NOSIGNAL);
        if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd wait{m_handle, POLLOUT, 0};
            ::poll(&wait, 1, 10);
            continue;
        }
        if (n <= 0) {
            break;
        }
        sent += static_cast<int>(n);
    }
    return sent;
}

int BaseSock::receive(char* buffer, int capacity) {
    if (m_handle == -1) {
        return -1;
    }
    pollfd wait{m_handle, POLLIN, 0};
    const int ready = ::poll(&wait, 1, 10);
    if (ready < 0) {
        return errno == EINTR ? 0 : ready;
    }
    if (ready == 0 || capacity <= 0) {
        return 0;
    }
    const ssize_t n = ::recv(m_handle, buffer, static_cast<std::size_t>(capacity), 0);
    if (n == 0) {
        m_peerClosed = true;
    }
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
        return 0;
    }
    return static_cast<int>(n);
}

int BaseSock::sendTo(const char* bytes, int length, const std::string& host, std::uint16_t port) {
    if (m_handle == -1) {
        return -1;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    if (::inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1) {
        return -1;
    }
    return static_cast<int>(::sendto(m_handle, bytes, static_cast<std::size_t>(length), 0,
                                     reinterpret_cast<sockaddr*>(&address), sizeof(address)));
}

int BaseSock::receiveFrom(char* buffer, int capacity, std::string& host, std::uint16_t& port) {
    if (m_handle == -1) {
        return -1;
    }
    sockaddr_in address{};
    socklen_t size = sizeof(address);
    const ssize_t n = ::recvfrom(m_handle, buffer, static_cast<std::size_t>(capacity), 0,
                                 reinterpret_cast<sockaddr*>(&address), &size);
    if (n >= 0) {
        char text[INET_ADDRSTRLEN] = {};
        ::inet_ntop(AF_INET, &address.sin_addr, text, sizeof(text));
        host = text;
        port = ntohs(address.sin_port);
    }
    return static_cast<int>(n);
}

bool BaseSock::peerAddress(std::string& host, std::uint16_t& port) const {
    if (m_handle == -1) {
        return false;
    }
    sockaddr_in address{};
    socklen_t size = sizeof(address);
    if (::getpeername(m_handle, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        return false;
    }
    const auto* b = reinterpret_cast<const unsigned char*>(&address.sin_addr.s_addr);
    char text[32];
    std::snprintf(text, sizeof(text), "%u.%u.%u.%u", b[0], b[1], b[2], b[3]);
    host = text;
    port = ntohs(address.sin_port);
    return true;
}

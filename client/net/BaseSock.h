// A thin wrapper of one POSIX socket. The game uses only stream sockets: create, connect, send,
// receive, close.
#pragma once

#include <cstdint>
#include <string>

class BaseSock {
public:
    BaseSock() = default;
    BaseSock(const BaseSock&) = delete;
    BaseSock& operator=(const BaseSock&) = delete;
    virtual ~BaseSock();

    // Resolves host (name or dotted address, first IPv4 address) and connects. On success the socket
    // is non-blocking with a 1310700-byte receive buffer. Any failure closes the socket.
    virtual bool connect(const std::string& host, std::uint16_t port);
    virtual bool isOpen() const { return m_handle != -1 && m_open; }
    virtual bool isDatagram() const { return m_datagram; }
    virtual bool bindAndListen(std::uint16_t port);
    virtual bool accept(BaseSock& peer);
    virtual void close();
    // Repeats until everything is sent or a call fails; the count sent, -1 without a handle.
    virtual int send(const char* bytes, int length);
    // Waits at most 10 ms; one receive when readable, 0 when not, negative on failure.
    virtual int receive(char* buffer, int capacity);
    virtual int sendTo(const char* bytes, int length, const std::string& host, std::uint16_t port);
    virtual int receiveFrom(char* buffer, int capacity, std::string& host, std::uint16_t& port);
    virtual bool peerAddress(std::string& host, std::uint16_t& port) const;

    bool create(bool datagram);

    // Whether the last receive saw the peer close the connection.
    bool peerClosed() const { return m_peerClosed; }

    static constexpr int kReceiveBufferSize = 1310700;

private:
    int m_handle = -1;
    bool m_datagram = false;
    bool m_open = false;
    bool m_peerClosed = false;
    std::string m_host;
    std::uint16_t m_port = 0;
};

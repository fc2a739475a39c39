#include "integration/TestClient.h"

#include "commands/JsonText.h"
#include "wire/frame.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace server::test {

int TestClient::connectTo(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return -1;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

Exchange TestClient::readAnswer(int fd, std::chrono::milliseconds timeout) {
    Exchange out;
    std::string buffer;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    char chunk[16384];
    while (true) {
        if (auto length = wire::readLength(buffer); length && buffer.size() >= 4 + *length) {
            out.answered = true;
            out.body = buffer.substr(4, *length);
            return out;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            out.error = "time-out";
            return out;
        }
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) {
            continue;
        }
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n <= 0) {
            out.error = n == 0 ? "closed" : "reset";
            return out;
        }
        buffer.append(chunk, static_cast<std::size_t>(n));
    }
}

bool TestClient::waitForClose(int fd, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    char chunk[4096];
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0) {
            continue;
        }
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n <= 0) {
            return true;
        }
    }
    return false;
}

Exchange TestClient::exchange(int port, std::string_view bytes, std::chrono::milliseconds timeout) {
    Exchange out;
    const int fd = connectTo(port);
    if (fd < 0) {
        out.error = "connect failed";
        return out;
    }
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            break; // the server may refuse early; read what it says
        }
        sent += static_cast<std::size_t>(n);
    }
    out = readAnswer(fd, timeout);
    ::close(fd);
    return out;
}

std::string TestClient::write(const Json::Value& value) { return JsonText::write(value); }

Json::Value TestClient::entry(int port, const Json::Value& request) {
    const Exchange ex = exchange(port, write(request));
    Json::Value answer;
    std::string error;
    if (!ex.answered || !JsonText::parse(ex.body, answer, error)) {
        return Json::Value();
    }
    return answer;
}

Json::Value TestClient::game(int port, const Json::Value& request) {
    const Exchange ex = exchange(port, wire::encodeRequest(write(request)));
    if (!ex.answered) {
        return Json::Value();
    }
    const wire::Decoded decoded = wire::decodeBody(ex.body);
    Json::Value answer;
    std::string error;
    if (!decoded.ok || !JsonText::parse(decoded.text, answer, error)) {
        return Json::Value();
    }
    return answer;
}

} // namespace server::test

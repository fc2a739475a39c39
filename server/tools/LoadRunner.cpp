#include "LoadRunner.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>
#include <thread>

namespace server::load {

namespace {

constexpr int kAnswerTimeoutMs = 10'000;

bool sendAll(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

bool readSome(int fd, std::string& buffer, bool& closed) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, kAnswerTimeoutMs) <= 0) {
        return false;
    }
    char chunk[16384];
    const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
    if (n < 0) {
        return false;
    }
    closed = n == 0;
    buffer.append(chunk, static_cast<std::size_t>(n));
    return true;
}

} // namespace

double LoadResult::percentileMs(double q) {
    if (latenciesMs.empty()) {
        return 0;
    }
    const auto index = static_cast<std::size_t>(q * static_cast<double>(latenciesMs.size() - 1));
    std::nth_element(latenciesMs.begin(), latenciesMs.begin() + static_cast<std::ptrdiff_t>(index), latenciesMs.end());
    return latenciesMs[index];
}

bool LoadRunner::exchange(int port, AnswerKind kind, const std::string& request, std::string& body) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (ok) {
        const int one = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        ok = sendAll(fd, request);
    }
    std::string buffer;
    bool closed = false;
    while (ok) {
        if (kind == AnswerKind::LengthPrefixed && buffer.size() >= 4) {
            std::uint32_t length = 0;
            for (int i = 3; i >= 0; --i) {
                length = length << 8 | static_cast<std::uint8_t>(buffer[static_cast<std::size_t>(i)]);
            }
            if (buffer.size() >= 4 + static_cast<std::size_t>(length)) {
                body = buffer.substr(4, length);
                break;
            }
        }
        if (!readSome(fd, buffer, closed)) {
            ok = false;
        } else if (closed) {
            ok = kind == AnswerKind::ToClose && !buffer.empty();
            body = buffer;
            break;
        }
    }
    ::close(fd);
    return ok;
}

LoadResult LoadRunner::run(const LoadPlan& plan) {
    LoadResult result;
    std::atomic<std::uint64_t> next{0};
    std::mutex mutex;
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + plan.maxTime;
    std::vector<std::thread> workers;
    for (int t = 0; t < std::max(1, plan.threads); ++t) {
        workers.emplace_back([&] {
            std::vector<double> latencies;
            latencies.reserve(65536);
            std::uint64_t errors = 0;
            std::string body;
            while (true) {
                const std::uint64_t n = next.fetch_add(1);
                if (n >= plan.maxRequests || std::chrono::steady_clock::now() >= deadline) {
                    break;
                }
                const std::string request = plan.request(n);
                const auto begin = std::chrono::steady_clock::now();
                const int port = plan.portOf ? plan.portOf(n) : plan.port;
                const bool ok = exchange(port, plan.kind, request, body) && (!plan.accept || plan.accept(body));
                const auto end = std::chrono::steady_clock::now();
                if (ok) {
                    latencies.push_back(std::chrono::duration<double, std::milli>(end - begin).count());
                } else {
                    ++errors;
                }
            }
            std::lock_guard lock(mutex);
            if (!latencies.empty()) {
                result.answerBytes = body.size() + (plan.kind == AnswerKind::LengthPrefixed ? 4 : 0);
            }
            result.latenciesMs.insert(result.latenciesMs.end(), latencies.begin(), latencies.end());
            result.errors += errors;
        });
    }
    for (auto& worker : workers) {
        worker.join();
    }
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.requests = result.latenciesMs.size();
    return result;
}

} // namespace server::load

#include "net/CReceivedThread.h"

#include "app/ClientLog.h"
#include "net/BaseSock.h"
#include "wire/frame.h"

#include <chrono>
#include <thread>
#include <vector>

std::atomic<int>& CReceivedThread::timeLimitMs() {
    static std::atomic<int> limit{20000};
    return limit;
}

CReceivedThread::~CReceivedThread() { requestStop(); }

void CReceivedThread::run() {
    while (!m_stop) {
        auto request = m_queues.takeRequest(std::chrono::milliseconds(1));
        if (!request) {
            continue;
        }
        m_queues.pushAnswer(exchange(*request, timeLimitMs().load()));
    }
}

std::unique_ptr<CReceviePacket> CReceivedThread::exchange(const CSendPacket& request, int timeLimitMs) {
    using Clock = std::chrono::steady_clock;
    std::vector<char> buffer(BaseSock::kReceiveBufferSize, '\0');
    int received = 0;
    int status = kStatusNotSet;
    BaseSock socket;
    if (!socket.create(false) || !socket.connect(request.host(), request.port())) {
        status = kStatusNoConnection;
    } else {
        socket.send(request.data(), request.length());
        const auto start = Clock::now();
        std::int64_t expected = -1;
        while (true) {
            if (std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count() > timeLimitMs) {
                status = kStatusTimeOut;
                break;
            }
            const int n = socket.receive(buffer.data() + received, BaseSock::kReceiveBufferSize - received);
            if (n > 0) {
                received += n;
            }
            if (expected < 0 && received >= static_cast<int>(wire::kLengthPrefixSize)) {
                expected = *wire::readLength(std::string_view(buffer.data(), wire::kLengthPrefixSize));
                if (expected + static_cast<std::int64_t>(wire::kLengthPrefixSize) > BaseSock::kReceiveBufferSize) {
                    // It could never fit; waiting out the limit would only delay every later request.
                    ClientLog::write("answer announces %lld bytes, more than the receive buffer; dropped",
                                     static_cast<long long>(expected));
                    status = kStatusTimeOut;
                    break;
                }
            }
            if (expected >= 0 && received == expected + static_cast<std::int64_t>(wire::kLengthPrefixSize)) {
                status = kStatusComplete;
                break;
            }
            if (expected >= 0 && received > expected + static_cast<std::int64_t>(wire::kLengthPrefixSize)) {
                ClientLog::write("answer longer than its length prefix; dropped");
                status = kStatusTimeOut;
                break;
            }
            if (socket.peerClosed()) {
                // Nothing more will come: an empty exchange, or an answer cut short.
                status = received == 0 ? kStatusEmpty : kStatusTimeOut;
                break;
            }
            if (n > 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
    }
    socket.close();
    auto answer = std::make_unique<CReceviePacket>();
    answer->copyRoutingFrom(request);
    answer->setData(buffer.data(), status == kStatusComplete ? received : 0, request.requestType());
    answer->setStatus(status);
    return answer;
}

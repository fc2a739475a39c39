#include "net/PacketQueues.h"

void PacketQueues::pushRequest(std::unique_ptr<CSendPacket> packet) {
    m_inFlight += 1;
    {
        std::lock_guard<std::mutex> lock(m_requestLock);
        m_requests.push_back(std::move(packet));
    }
    m_requestReady.notify_one();
}

std::unique_ptr<CSendPacket> PacketQueues::takeRequest(std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> lock(m_requestLock);
    if (!m_requestReady.wait_for(lock, timeout, [this] { return !m_requests.empty(); })) {
        return nullptr;
    }
    auto packet = std::move(m_requests.front());
    m_requests.pop_front();
    return packet;
}

void PacketQueues::pushAnswer(std::unique_ptr<CReceviePacket> packet) {
    std::lock_guard<std::mutex> lock(m_answerLock);
    m_answers.push_back(std::move(packet));
}

std::unique_ptr<CReceviePacket> PacketQueues::takeAnswer() {
    std::unique_ptr<CReceviePacket> packet;
    {
        std::lock_guard<std::mutex> lock(m_answerLock);
        if (m_answers.empty()) {
            return nullptr;
        }
        packet = std::move(m_answers.front());
        m_answers.pop_front();
    }
    m_inFlight -= 1;
    return packet;
}

int PacketQueues::answersWaiting() const {
    std::lock_guard<std::mutex> lock(m_answerLock);
    return static_cast<int>(m_answers.size());
}

int PacketQueues::outstanding() const { return m_inFlight.load(); }

// The two queues between the main thread and the network worker, each under its own lock. A
// packet belongs to whoever took it out of a queue.
#pragma once

#include "net/CReceviePacket.h"
#include "net/CSendPacket.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

class PacketQueues {
public:
    void pushRequest(std::unique_ptr<CSendPacket> packet);
    // Waits at most timeout for a request; null when none came.
    std::unique_ptr<CSendPacket> takeRequest(std::chrono::milliseconds timeout);

    void pushAnswer(std::unique_ptr<CReceviePacket> packet);
    std::unique_ptr<CReceviePacket> takeAnswer();
    int answersWaiting() const;

    // Requests queued or being exchanged, plus answers not yet taken (tests wait on this).
    int outstanding() const;

private:
    mutable std::mutex m_requestLock;
    std::condition_variable m_requestReady;
    std::deque<std::unique_ptr<CSendPacket>> m_requests;

    mutable std::mutex m_answerLock;
    std::deque<std::unique_ptr<CReceviePacket>> m_answers;
    std::atomic<int> m_inFlight{0};
};

// The network worker: one exchange at a time, in queue order, each over a fresh connection.
#pragma once

#include "net/MyThread.h"
#include "net/PacketQueues.h"

#include <atomic>
#include <memory>

class CReceivedThread : public MyThread {
public:
    explicit CReceivedThread(PacketQueues& queues) : m_queues(queues) {}
    ~CReceivedThread() override;

    void run() override;
    // Ends the loop after the exchange under way (the game never does; tests and shutdown do).
    void requestStop() { m_stop = true; }

    // Connect, send, read one length-prefixed answer within timeLimitMs. The answer packet carries
    // the status: 0 no connection, 1 no complete answer in time, 2 closed with nothing received,
    // 3 complete.
    static std::unique_ptr<CReceviePacket> exchange(const CSendPacket& request, int timeLimitMs);

    // 20 s in the game; tests shorten it.
    static std::atomic<int>& timeLimitMs();

private:
    PacketQueues& m_queues;
    std::atomic<bool> m_stop{false};
};

#include "net/MyThread.h"

#include <functional>

MyThread::~MyThread() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void MyThread::start() {
    int expected = 0;
    if (!m_runState.compare_exchange_strong(expected, 1)) {
        return;
    }
    m_thread = std::thread([this] {
        run();
        m_runState = 3;
    });
    m_threadId = static_cast<long>(std::hash<std::thread::id>{}(m_thread.get_id()));
}

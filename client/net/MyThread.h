// A thread that runs the subclass's run() once.
#pragma once

#include <atomic>
#include <thread>

class MyThread {
public:
    MyThread() = default;
    MyThread(const MyThread&) = delete;
    MyThread& operator=(const MyThread&) = delete;
    // Joins a started thread: run() must have returned or be about to.
    virtual ~MyThread();
    virtual void onIdle() {}
    virtual void run() {}

    // Only from the not-started state.
    void start();
    // 0 not started, 1 running, 3 finished.
    int runState() const { return m_runState.load(); }
    long threadId() const { return m_threadId; }

private:
    long m_threadId = -1;
    std::atomic<int> m_runState{0};
    std::thread m_thread;
};

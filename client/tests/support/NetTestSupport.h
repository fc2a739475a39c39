// A screen-like target that records what the server link called on it, and the pump that runs the
// frame loop until every request has been handled.
#pragma once

#include "support/TestSupport.h"

#include <memory>
#include <string>
#include <vector>

namespace test_support {

class ServerProcess;

class Probe : public cocos2d::CCLayer {
public:
    static Probe* create(std::vector<std::string>* events);
    ~Probe() override { s_destroyed += 1; }

    void onResponse(int code);
    void onStatus(int status);
    void onDone(int code) { m_events->push_back("done:" + std::to_string(code)); }
    void onFail() { m_events->push_back("fail"); }
    void onButton1() { m_events->push_back("button1"); }
    void onButton2() { m_events->push_back("button2"); }
    void onButton3() { m_events->push_back("button3"); }
    void onBack() { m_events->push_back("back"); }

    // Run inside onStatus: adds its own tag-1003 node to the current scene.
    bool m_addOwnBox = false;
    static int s_destroyed;

private:
    std::vector<std::string>* m_events = nullptr;
};

// Steps frames (each one runs NetManager::poll) until nothing is outstanding; false after 10 s.
bool pumpUntilIdle(double seconds = 10.0);
// Steps frames until NetManager has at most `left` requests outstanding.
bool pumpUntilOutstanding(int left, double seconds = 10.0);

// The real brindle-server on `folder` and a guest logged in to it through the whole login chain,
// the heartbeat pushed far out so only the test's own requests reach the server. Leaves `server`
// null when the test cannot go on: skipped when the server is not built beside the tests, failed
// when the guest gets no session. Call it from the test body and return on null.
void startServerWithGuest(const std::string& folder, std::unique_ptr<ServerProcess>& server);

} // namespace test_support

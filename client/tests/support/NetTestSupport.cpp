#include "support/NetTestSupport.h"

#include "account/ServerProcess.h"
#include "app/SceneDirector.h"
#include "net/NetManager.h"
#include "net/NetTypes.h"
#include "net/UserSession.h"

#include "testing/EngineTesting.h"

#include <chrono>
#include <thread>

USING_NS_CC;

namespace test_support {

int Probe::s_destroyed = 0;

Probe* Probe::create(std::vector<std::string>* events) {
    auto* probe = new Probe;
    probe->init();
    probe->m_events = events;
    probe->autorelease();
    return probe;
}

void Probe::onResponse(int code) { m_events->push_back("response:" + std::to_string(code)); }

void Probe::onStatus(int status) {
    CCNode* scene = SceneDirector::instance().currentScene();
    const bool boxUp = scene && scene->getChildByTag(kNetworkBoxTag);
    m_events->push_back("status:" + std::to_string(status) + (boxUp ? " box-up" : " no-box"));
    if (m_addOwnBox && scene) {
        scene->addChild(CCNode::create(), 5, kNetworkBoxTag);
    }
}

bool pumpUntilOutstanding(int left, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (NetManager::instance().outstanding() > left) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        engine::testing::stepFrames(1);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

bool pumpUntilIdle(double seconds) { return pumpUntilOutstanding(0, seconds); }

void startServerWithGuest(const std::string& folder, std::unique_ptr<ServerProcess>& server) {
    auto started = std::make_unique<ServerProcess>(folder);
    if (!started->running()) GTEST_SKIP() << "brindle-server not found beside the tests: " << ServerProcess::binary();
    NetManager::instance().setEntryEndpoint("127.0.0.1", started->entryPort());
    UserSession::instance().login("", "", nullptr, nullptr, nullptr);
    ASSERT_TRUE(pumpUntilIdle(15));
    ASSERT_FALSE(UserSession::instance().sessionId().empty());
    NetManager::instance().setHeartbeatInterval(1000);
    server = std::move(started);
}

} // namespace test_support

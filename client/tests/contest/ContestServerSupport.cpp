#include "contest/ContestServerSupport.h"

#include "account/AccountChecks.h"
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/RequestCatalogue.h"
#include "net/UserSession.h"
#include "support/NetTestSupport.h"

#include "testing/EngineTesting.h"

#include <chrono>
#include <sstream>
#include <thread>

namespace test_support {

bool ContestServer::start(const std::string& folder, const std::string& clock) {
    m_process.reset();
    m_process = std::make_unique<ServerProcess>(folder, std::vector<std::string>{"--contest-clock", clock});
    if (!m_process->running()) return false;
    NetManager::instance().setEntryEndpoint("127.0.0.1", m_process->entryPort());
    return true;
}

bool ContestServer::logInClient(const std::string& mobile) {
    RemotePlayer::registerAccount(m_process->entryPort(), mobile); // refused when it exists: fine
    // The frame loop, and with it the answers, runs once a scene is on stage.
    if (SceneDirector::instance().currentScene() == nullptr) {
        SceneDirector::instance().switchTo(2);
        engine::testing::stepSeconds(0.3f);
    }
    UserSession::instance().login(mobile, AccountChecks::passwordDigest(RemotePlayer::password()), nullptr, nullptr,
                                  nullptr);
    return pumpUntilIdle(15) && UserSession::instance().accountKind() == 1 &&
           !UserSession::instance().sessionId().empty();
}

bool ContestServer::addRemote(RemotePlayer& player, const std::string& mobile) {
    return player.signUp(m_process->entryPort(), m_process->gamePort(), mobile);
}

std::vector<std::string> ContestServer::requestsOf(int id, int system, int act) {
    std::istringstream lines(m_process->output());
    const std::string who = " type " + std::to_string(system) + " (";
    const std::string player = ") player " + std::to_string(id) + " ";
    std::vector<std::string> found;
    for (std::string line; std::getline(lines, line);) {
        if (line.find(who) == std::string::npos || line.find(player) == std::string::npos) continue;
        if (act >= 0 && line.find(" act=" + std::to_string(act) + " ") == std::string::npos) continue;
        found.push_back(line);
    }
    return found;
}

std::pair<int, int> ContestServer::clientMoneyAndScore() {
    std::vector<std::string> events;
    Probe* probe = Probe::create(&events);
    cocos2d::CCDirector::sharedDirector()->getRunningScene()->addChild(probe);
    RequestCatalogue::userInfo(probe, net_selector(Probe::onResponse), net_selector(Probe::onStatus), Busy::No);
    EXPECT_TRUE(pumpUntilIdle());
    probe->removeFromParent();
    return {GameData::instance().user.money, GameData::instance().user.score};
}

bool ContestServer::until(const std::function<bool()>& done, double wallSeconds, float step) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(wallSeconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        engine::testing::stepSeconds(step);
        if (!pumpUntilIdle()) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void ContestServer::live(double seconds) {
    const auto start = std::chrono::steady_clock::now();
    double lived = 0;
    while (lived < seconds) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const double now = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        engine::testing::stepSeconds(static_cast<float>(now - lived));
        pumpUntilIdle();
        lived = now;
    }
}

} // namespace test_support

// Shared by the hall tests: the game's layouts, pictures and texts, the contest scenes registered
// with bare stand-ins for where they lead, and a logged-in player. `HallServerTest` plays the halls
// against the real brindle-server with a RemotePlayer on the other side. `HallTest` alone answers
// from a game port on 127.0.0.1 that says what the test sets and records every request: only for
// what the real server never says (counts it reaches only after a day of contests, a hall that
// does not answer, a second challenger while the popup is open), with pushes handed to the real
// heartbeat parser.
#pragma once

#include "contest/ContestServerSupport.h"
#include "support/LoopbackServer.h"
#include "support/NetTestSupport.h"

#include "cocos2d.h"
#include "cocos-ext.h"

#include <json/value.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

class CMyMessageBox;

namespace test_support {

class HallTest : public ClientTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs before any picture is loaded (render tests switch to GL here).
    virtual void beforePictures() {}

    // What the game port answers; change before the request goes out.
    struct Answers {
        int enableCount = 3;
        int isKing = 0;
        int enterResponse = 1;
        Json::Value schedule{Json::arrayValue};
        Json::Value challenge; // null: {"response":1}
    };
    void setAnswers(const Answers& answers);
    // A schedule entry as the server sends it (times "yyyyMMddHHmmss").
    static Json::Value scheduleEntry(int type, int freeCount, int maxCount, int delMoney, int status,
                                     const std::string& start, const std::string& end, const std::string& now);
    // The default day: one-to-one P = 2 at 5, challenge P = 4 at 10, both open.
    static Json::Value openDay();

    // The schedule as the contest hall's answer leaves it in GameData, through the real parser.
    static void feedSchedule(const Json::Value& entries);
    // Switches to the scene and lets its enter answer arrive.
    void enter(int sceneId);
    template <typename T> T* screen() const {
        cocos2d::CCScene* scene = cocos2d::CCDirector::sharedDirector()->getRunningScene();
        if (scene == nullptr || scene->getChildrenCount() == 0) return nullptr;
        return dynamic_cast<T*>(static_cast<cocos2d::CCObject*>(scene->getChildren()->objectAtIndex(0)));
    }
    // A heartbeat answer carrying the push, through the real parser.
    static void push(const std::string& json);
    // Steps game time and lets the answers of what went out meanwhile arrive.
    static void wait(float seconds);
    static void settle();

    // Requests the game port received with this "system" (and "act" unless -1); heartbeats left out.
    std::vector<Json::Value> sent(int system, int act = -1) const;

    // Every message box in the running scene's tree, in tree order.
    static std::vector<CMyMessageBox*> boxes();
    static CMyMessageBox* boxSaying(const std::string& text);
    // "sure" is the left button of a two-button box and the middle one of a notice.
    static void pressSure(CMyMessageBox* box);
    static void pressCancel(CMyMessageBox* box);
    static bool hasCancel(CMyMessageBox* box);
    static void tapWidget(cocos2d::extension::UIWidget* widget);
    static std::string text(const char* key);

    std::unique_ptr<LoopbackServer> m_game;
    mutable std::mutex m_lock;
    Answers m_answers;
};

// The halls against the real server: the client logs in as a registered player, the remote
// player is the one it meets.
class HallServerTest : public HallTest {
protected:
    void SetUp() override;
    // Registers both and logs the client in. The first to register is the king until a challenge
    // is won (week scores are all 0 and the lowest id wins the tie).
    void signUp(bool remoteIsKing);
    int clientId() const;
    // A statement on the running server's database, as the server would have written it (a
    // failure fails the test); `value` receives the first column of the first row.
    bool sql(const std::string& statement, int* value = nullptr);
    // The server's log lines of the client's requests of this "system" (and "act").
    std::vector<std::string> served(int system, int act = -1) { return m_server.requestsOf(clientId(), system, act); }
    static bool answered(const std::vector<std::string>& lines, int response) {
        return lines.size() == 1 && lines[0].find("-> response " + std::to_string(response)) != std::string::npos;
    }
    ContestServer m_server;
    RemotePlayer m_remote;
};

} // namespace test_support

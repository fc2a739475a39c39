// The task screen (12) and the events screen (17) on stage, the generated layouts, pictures and
// texts in place, against a small game server on 127.0.0.1 that answers each command as the
// test sets it and records every request. A registered player is logged in unless a test says
// otherwise.
#pragma once

#include "support/LoopbackServer.h"
#include "support/NetTestSupport.h"

#include "cocos2d.h"

#include <json/value.h>

#include <atomic>
#include <functional>

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class CMessageBox;
class CMyMessageBox;

namespace test_support {

class RewardScreenTest : public ClientTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs before the pictures are loaded (the render tests switch to OpenGL here).
    virtual void beforePictures() {}

    // The next answers to command `system` with this "act" (as text: "show", "0").
    void answerWith(int system, const std::string& act, const Reply& reply);
    // Switches to the scene, lets the fade pass and the answers arrive.
    void enter(int scene);
    // Lets what went out arrive and be handled.
    void settle();
    std::vector<Json::Value> sent(int system) const;

    static Json::Value achievement(int id, int doCount, int done, int prize, const std::string& img,
                                   const std::string& name = "", const std::string& desc = "");
    // {"response":1,"achvlist":[...]}
    static Json::Value achievementList(const std::vector<Json::Value>& items);
    static Json::Value event(int id, int needMoney, const std::string& title, const std::string& desc);
    static std::vector<CMyMessageBox*> boxes();
    static std::vector<CMessageBox*> plainBoxes();
    static CMyMessageBox* boxSaying(const std::string& message);
    static std::string text(const char* key);
    static std::vector<std::string> textsIn(cocos2d::CCNode* node);
    // The screen of the scene switched to last, also while the fade to it still runs.
    template <typename T> static T* screen() {
        cocos2d::CCScene* scene = currentScene();
        if (scene == nullptr || scene->getChildrenCount() == 0) return nullptr;
        return dynamic_cast<T*>(static_cast<cocos2d::CCObject*>(scene->getChildren()->objectAtIndex(0)));
    }
    template <typename T> static std::vector<T*> allOf(cocos2d::CCNode* node) {
        std::vector<T*> found;
        collect(node, [&found](cocos2d::CCNode* n) {
            if (auto* t = dynamic_cast<T*>(n)) found.push_back(t);
        });
        return found;
    }

    std::unique_ptr<LoopbackServer> m_game;
    // How long the server thinks before each answer (to look at a screen before it arrives).
    std::atomic<int> m_delayMs{0};

private:
    static cocos2d::CCScene* currentScene();
    static void collect(cocos2d::CCNode* node, const std::function<void(cocos2d::CCNode*)>& visit);
    mutable std::mutex m_lock;
    std::map<std::string, Reply> m_replies;
};

} // namespace test_support

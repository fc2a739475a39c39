// Shared by the treasure and collection tests: the game's resources and texts, a logged-in player,
// the menu scenes registered with bare stand-ins where they lead, and a game port that answers the
// treasure requests ("system" 17) by "act" with what the test sets and records every request.
#pragma once

#include "support/LoopbackServer.h"
#include "support/NetTestSupport.h"

#include "cocos2d.h"
#include "cocos-ext.h"

#include <json/value.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class CMyMessageBox;

namespace test_support {

class TreasureTest : public ClientTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs before any picture is loaded (render tests switch to GL here).
    virtual void beforePictures() {}

    // The answer to {"system":17,"act":act}; unset acts answer {"response":0,"fail":1}.
    void answer(int act, const std::string& json);
    // Requests of "system" 17 with this act that reached the port.
    std::vector<Json::Value> sent(int act) const;

    // Switches to the scene and lets the answers of its requests arrive.
    void enter(int sceneId);
    // Frames until every answer arrived and its handler ran.
    static void settle();
    template <typename T> static T* screen() {
        cocos2d::CCScene* scene = cocos2d::CCDirector::sharedDirector()->getRunningScene();
        if (scene == nullptr || scene->getChildrenCount() == 0) return nullptr;
        return dynamic_cast<T*>(static_cast<cocos2d::CCObject*>(scene->getChildren()->objectAtIndex(0)));
    }
    // The player as a registered account (kind 1), a guest session of a stored account (kind 2)
    // or a player who never registered here (no stored name).
    static void playAs(const std::string& storedName, int accountKind);

    static std::vector<CMyMessageBox*> boxes();
    static void tapWidget(cocos2d::extension::UIWidget* widget);
    // The box's left (two buttons) or only button.
    static void pressFirst(CMyMessageBox* box);
    static std::string text(const char* key);
    int effectsPlayed(const std::string& file);

    std::unique_ptr<LoopbackServer> m_game;
    mutable std::mutex m_lock;
    std::map<int, std::string> m_answers;
};

} // namespace test_support

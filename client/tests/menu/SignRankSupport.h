// Shared by the sign-in and ranking tests: the game's layouts, pictures, fonts and texts on the
// search path, a registered player, and a scripted game peer answering the sign-in, draw and
// ranking requests with the answers the test sets.
#pragma once

#include "support/LoopbackServer.h"
#include "support/NetTestSupport.h"

#include "cocos-ext.h"

#include <memory>
#include <string>
#include <vector>

namespace test_support {

class SignRankTest : public ClientTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs after the engine reset, before any picture is loaded (render tests switch to GL here).
    virtual void beforePictures() {}

    // Switches to the scene, lets the fade finish and every answer arrive.
    template <typename T> T* enter(int sceneId) {
        enterScene(sceneId);
        return screen<T>();
    }
    void enterScene(int sceneId);
    template <typename T> T* screen() const {
        cocos2d::CCScene* scene = currentScene();
        if (scene == nullptr || scene->getChildren() == nullptr) return nullptr;
        return dynamic_cast<T*>(static_cast<cocos2d::CCObject*>(scene->getChildren()->objectAtIndex(0)));
    }
    cocos2d::CCScene* currentScene() const;
    int sceneId() const;
    void settle();
    void tapWidget(cocos2d::extension::UIWidget* widget);

    // Requests of "system" (and, when given, "act" and "req") the peer received, in order.
    std::vector<Json::Value> requestsOf(int system, const char* act = nullptr, const char* req = nullptr) const;
    static std::string text(const char* key);

    // The sign record of a month: signed days from the mask, the streak and today's state.
    static Json::Value signRecord(int year, int month, int week, const std::string& days, int continuous,
                                  int isSigned);
    static Json::Value luckRecord(int isSigned, int awardType, double awardScore);
    static Json::Value rankAnswer(int myRank, int myScore, int curWeekScore, int rows);

    // What the peer answers; a null value answers {"response": 0, "fail": 1}.
    Json::Value signData, signDone, luckData, luckDone, rank;
    std::unique_ptr<LoopbackServer> m_peer;
};

} // namespace test_support

// Shared by the profile and referral tests: the game's layouts, pictures, fonts and texts on the
// search path, a scripted game peer that answers in the shapes the client's parsers read, and the
// profile screen entered as scene 16.
#pragma once

#include "account/CChangeUserInfoLayer.h"
#include "support/LoopbackServer.h"
#include "support/NetTestSupport.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace test_support {

class ProfileTest : public ClientTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs after the engine reset, before any picture is loaded (render tests switch to GL here).
    virtual void beforePictures() {}

    // The game peer: `answer` decides each reply by the request (default: {"response": 1}).
    void startPeer();
    CChangeUserInfoLayer* enterProfile();
    std::vector<Json::Value> requestsOf(int system) const;
    // The text of the message box standing at tag 298 on the scene ("" when none); the box goes.
    std::string takeBox();
    static std::string text(const char* key);
    // The referral list answer of `count` rows numbered from `first`.
    static Json::Value referralPage(int first, int count);

    std::function<Json::Value(const Json::Value&)> answer;
    std::unique_ptr<LoopbackServer> m_peer;
    CChangeUserInfoLayer* m_screen = nullptr;
};

} // namespace test_support

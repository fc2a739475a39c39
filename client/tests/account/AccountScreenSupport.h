// Shared by the account screen tests: the game's own layouts, pictures and texts on the search
// path, the user screen (13) and password change (15) registered, stand-ins for the screens they
// lead to, touches on widgets and input boxes, and accounts made on the real server.
#pragma once

#include "account/ServerProcess.h"
#include "support/NetTestSupport.h"

#include "cocos2d.h"
#include "cocos-ext.h"

#include <memory>
#include <string>

class CInputBox;
class CMyMessageBox;
class CUserInfoLayer;
class CChangeMmLayer;

namespace test_support {

class AccountScreenTest : public ClientTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs before any picture is loaded (render tests switch to GL here).
    virtual void beforePictures() {}

    CUserInfoLayer* enterUserScreen();
    CChangeMmLayer* enterPasswordChange();
    // The first child of the running scene as T.
    template <typename T> T* runningScreen() const {
        cocos2d::CCScene* scene = cocos2d::CCDirector::sharedDirector()->getRunningScene();
        if (scene == nullptr || scene->getChildrenCount() == 0) return nullptr;
        return dynamic_cast<T*>(static_cast<cocos2d::CCObject*>(scene->getChildren()->objectAtIndex(0)));
    }

    // A tap on the middle of the widget, as the player's finger would.
    static void tapWidget(cocos2d::extension::UIWidget* widget);
    // Focuses the box with a tap and types the text.
    static void typeInto(CInputBox* box, const std::string& text);
    // The tag-298 box on the running scene.
    static CMyMessageBox* notice();
    // Every message box on the running scene, whoever put it there.
    static int boxesShowing(const std::string& text);
    static void pressSure(CMyMessageBox* box);
    static std::string text(const char* key);
    // The text of the bitmap-font title put on a layout widget ("" when none).
    static std::string titleOf(cocos2d::extension::UIWidget* widget);

    // The real server with a guest logged in through the whole chain; false when it cannot run.
    bool startServerAsGuest();
    // Registers through the entry command (request type 4), as the registration screen does.
    bool registerAccount(const std::string& name, const std::string& password);
    // A login through the session on behalf of a stand-in screen; "done" or "fail" or nothing.
    std::string logInDirectly(const std::string& name, const std::string& password);

    std::unique_ptr<ServerProcess> m_server;
};

} // namespace test_support

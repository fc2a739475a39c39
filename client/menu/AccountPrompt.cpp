#include "menu/AccountPrompt.h"

#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "net/UserSession.h"
#include "widgets/CMyMessageBox.h"

USING_NS_CC;

namespace {

constexpr int kGuestAccount = 2;
constexpr int kRegisterScene = 14, kUserScene = 13;

std::string text(const char* key) { return LocalText::instance().text(key); }

} // namespace

AccountPrompt* AccountPrompt::instance() {
    // The box outlives nothing it points at: its buttons only switch scenes.
    static AccountPrompt* prompt = new AccountPrompt;
    return prompt;
}

void AccountPrompt::openRegistration() { SceneDirector::instance().switchTo(kRegisterScene); }

void AccountPrompt::openUserScreen() { SceneDirector::instance().switchTo(kUserScene); }

CMyMessageBox* AccountPrompt::showIfDue(CCNode* parent, const char* noAccountKey, int z) {
    if (parent == nullptr) return nullptr;
    const UserSession& session = UserSession::instance();
    CMyMessageBox* box = nullptr;
    // The outer two of the box's three places: four-character captions in the first two would run
    // into each other. The second choice only closes the box.
    if (session.storedUserName().empty()) {
        box = CMyMessageBox::create("", text(noAccountKey), text("RegisterNow"), "", text("nextTime"), instance(), 0,
                                    callfunc_selector(AccountPrompt::openRegistration), nullptr, nullptr, nullptr,
                                    false);
    } else if (session.accountKind() == kGuestAccount) {
        box = CMyMessageBox::create(text("FriendlyTip"), text("notLoginTip"), text("sure"), "", text("cancel"),
                                    instance(), 0, callfunc_selector(AccountPrompt::openUserScreen), nullptr, nullptr,
                                    nullptr, false);
    }
    if (box == nullptr) return nullptr;
    box->setPosition(ccp(480, 320));
    parent->addChild(box, z, kBoxTag);
    return box;
}

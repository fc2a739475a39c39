#include "ExtTestSupport.h"
#include "extensions/CCIMEDispatcher.h"
#include "extensions/CCTextFieldTTF.h"

using namespace cocos2d;
namespace et = engine::testing;

namespace {

class Gatekeeper : public CCTextFieldDelegate {
public:
    bool onTextFieldAttachWithIME(CCTextFieldTTF*) override { return refuseAttach; }
    bool onTextFieldInsertText(CCTextFieldTTF*, const char* text, int len) override
    {
        inserts.emplace_back(text, static_cast<std::size_t>(len));
        return refuseDigits && len == 1 && text[0] >= '0' && text[0] <= '9';
    }
    bool onTextFieldDeleteBackward(CCTextFieldTTF*, const char* text, int len) override
    {
        deletes.emplace_back(text, static_cast<std::size_t>(len));
        return false;
    }
    bool refuseAttach = false;
    bool refuseDigits = false;
    std::vector<std::string> inserts, deletes;
};

class KeyboardWatcher : public CCIMEDelegate {
public:
    void keyboardWillShow(CCIMEKeyboardNotificationInfo&) override { log.push_back("willShow"); }
    void keyboardDidShow(CCIMEKeyboardNotificationInfo&) override { log.push_back("didShow"); }
    void keyboardWillHide(CCIMEKeyboardNotificationInfo&) override { log.push_back("willHide"); }
    void keyboardDidHide(CCIMEKeyboardNotificationInfo&) override { log.push_back("didHide"); }
    std::vector<std::string> log;
};

class TextFieldTest : public exttest::ExtensionTest {
protected:
    CCTextFieldTTF* makeField()
    {
        CCTextFieldTTF* field = CCTextFieldTTF::textFieldWithPlaceHolder("name", "Arial", 20);
        field->setDelegate(&gate);
        return field;
    }
    Gatekeeper gate;
};

TEST_F(TextFieldTest, TypedTextGoesToTheAttachedFieldAndTheDelegateMayRefuse)
{
    CCTextFieldTTF* field = makeField();
    ASSERT_TRUE(field->attachWithIME());
    gate.refuseDigits = true;
    et::typeText("a");
    et::typeText("7");
    et::typeText("\xE4\xB8\xAD"); // one CJK character, three bytes
    EXPECT_STREQ(field->getString(), "a\xE4\xB8\xAD");
    EXPECT_EQ(field->getCharCount(), 2);
    EXPECT_EQ(gate.inserts, (std::vector<std::string>{"a", "7", "\xE4\xB8\xAD"}));

    et::pressBackspace();
    EXPECT_STREQ(field->getString(), "a");
    EXPECT_EQ(gate.deletes, (std::vector<std::string>{"\xE4\xB8\xAD"}));
    et::pressBackspace();
    EXPECT_STREQ(field->getString(), "");
    EXPECT_EQ(field->debugText(), "");

    et::pressEnter(); // Enter lets go of the keyboard
    EXPECT_EQ(CCIMEDispatcher::sharedDispatcher()->attachedDelegate(), nullptr);
    et::typeText("b");
    EXPECT_STREQ(field->getString(), "");
}

TEST_F(TextFieldTest, OnlyOneFieldIsAttachedAndRefusalsHold)
{
    CCTextFieldTTF* first = makeField();
    CCTextFieldTTF* second = makeField();
    ASSERT_TRUE(first->attachWithIME());
    ASSERT_TRUE(second->attachWithIME());
    et::typeText("x");
    EXPECT_STREQ(first->getString(), "");
    EXPECT_STREQ(second->getString(), "x");
    second->detachWithIME();
    gate.refuseAttach = true;
    EXPECT_FALSE(first->attachWithIME());
    EXPECT_EQ(CCIMEDispatcher::sharedDispatcher()->attachedDelegate(), nullptr);
}

TEST_F(TextFieldTest, KeyboardNotificationsReachEveryDelegate)
{
    KeyboardWatcher one, two;
    CCIMEKeyboardNotificationInfo info;
    auto* dispatcher = CCIMEDispatcher::sharedDispatcher();
    dispatcher->dispatchKeyboardWillShow(info);
    dispatcher->dispatchKeyboardDidShow(info);
    dispatcher->dispatchKeyboardWillHide(info);
    dispatcher->dispatchKeyboardDidHide(info);
    const std::vector<std::string> expected{"willShow", "didShow", "willHide", "didHide"};
    EXPECT_EQ(one.log, expected);
    EXPECT_EQ(two.log, expected);
}

TEST_F(TextFieldTest, SecureEntryShowsBulletsButKeepsTheText)
{
    CCTextFieldTTF* field = makeField();
    field->setSecureTextEntry(true);
    field->setString("pw");
    EXPECT_STREQ(field->getString(), "pw");
    EXPECT_STREQ(field->CCLabelTTF::getString(), "\xE2\x80\xA2\xE2\x80\xA2");
}

} // namespace

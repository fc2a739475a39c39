// The two-button input dialog: the referrer code checks in their order, the choice mode's two
// actions, and the input box it types into (limit, width, password stars, focus by touch).
#include "net/GameData.h"
#include "net/NetTypes.h"
#include "widgets/CInputBox.h"
#include "widgets/CInputRecommenderLayer.h"
#include "widgets/CMyMessageBox.h"

#include "support/TestSupport.h"
#include "testing/EngineTesting.h"

USING_NS_CC;
using namespace test_support;

namespace {

class Owner : public CCObject {
public:
    void confirm() { confirmed += 1; }
    void cancel() { cancelled += 1; }
    int confirmed = 0, cancelled = 0;
};

class InputDialogTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        const std::string resources = BRINDLE_RESOURCES_DIR;
        for (const char* folder : {"/images_1440X960/", "/fonts/"}) {
            CCFileUtils::sharedFileUtils()->addSearchPath((resources + folder).c_str());
        }
        setTexts(R"({"sure":{"chinese":"OK"},"TuijianMaIsDIgit":{"chinese":"digits"},)"
                 R"("TuijianrenIDNotZero":{"chinese":"zero"},"TuijianrenNotSelf":{"chinese":"self"}})");
        m_scene = CCScene::create();
        engine::testing::runScene(m_scene);
    }
    CInputRecommenderLayer* open(int mode) {
        CInputRecommenderLayer* dialog =
            CInputRecommenderLayer::create("title", &m_owner, callfunc_selector(Owner::confirm),
                                           callfunc_selector(Owner::cancel), mode);
        if (dialog) m_scene->addChild(dialog);
        return dialog;
    }
    static std::string refusal(CInputRecommenderLayer* dialog) {
        std::string text;
        CCArray* children = dialog->getChildren();
        for (unsigned i = 0; children && i < children->count(); ++i) {
            if (auto* box = dynamic_cast<CMyMessageBox*>(static_cast<CCObject*>(children->objectAtIndex(i)))) {
                text = box->messageText();
                box->removeFromParent();
                break;
            }
        }
        return text;
    }
    CCScene* m_scene = nullptr;
    Owner m_owner;
};

TEST_F(InputDialogTest, CodeIsCheckedBeforeTheConfirmAction) {
    GameData::instance().user.uuid = 10001;
    CInputRecommenderLayer* dialog = open(CInputRecommenderLayer::kCodeEntry);
    ASSERT_NE(dialog, nullptr);
    ASSERT_NE(dialog->inputBox(), nullptr);
    struct Case {
        const char* code;
        const char* refused; // "" when accepted
    };
    const Case cases[] = {
        {"12a", "digits"}, {"-5", "digits"}, {" 5", "digits"}, {"+5", "digits"}, {"", "zero"},
        {"000", "zero"},   {"10001", "self"}, {"0077", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const int before = m_owner.confirmed;
        dialog->inputBox()->setText(c.code);
        dialog->onOk();
        EXPECT_EQ(refusal(dialog), c.refused);
        EXPECT_EQ(m_owner.confirmed - before, std::string(c.refused).empty() ? 1 : 0);
        EXPECT_EQ(dialog->getParent(), m_scene); // open for another try, and after confirming too
    }
    dialog->retain();
    dialog->onBack();
    EXPECT_EQ(dialog->getParent(), nullptr);
    EXPECT_EQ(m_owner.cancelled, 0);
    dialog->release();
}

TEST_F(InputDialogTest, ChoiceModeCallsItsActionsAndStays) {
    CInputRecommenderLayer* dialog = open(CInputRecommenderLayer::kChoice);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->inputBox(), nullptr);
    EXPECT_EQ(dialog->inputText(), "");
    dialog->onOk();
    dialog->onBack();
    EXPECT_EQ(m_owner.confirmed, 1);
    EXPECT_EQ(m_owner.cancelled, 1);
    EXPECT_EQ(dialog->getParent(), m_scene);
}

TEST_F(InputDialogTest, InputBoxKeepsItsLimitsAndHidesPasswords) {
    auto* box = new CInputBox;
    box->autorelease();
    ASSERT_TRUE(box->init(CCSizeMake(400, 50), 30, ccc3(0, 0, 0), CInputBox::kPlain));
    box->setMaxLength(11);
    box->setPosition(ccp(480, 320));
    m_scene->addChild(box);
    box->setAttached(true);
    engine::testing::typeText("13800000001");
    engine::testing::typeText("2");
    EXPECT_EQ(box->getText(), "13800000001");
    engine::testing::pressBackspace();
    EXPECT_EQ(box->getText(), "1380000000");
    EXPECT_STREQ(box->textField()->getString(), "1380000000");

    // A keystroke clears an open network box.
    m_scene->addChild(CCNode::create(), 99, kNetworkBoxTag);
    engine::testing::typeText("9");
    EXPECT_EQ(m_scene->getChildByTag(kNetworkBoxTag), nullptr);

    auto* secret = new CInputBox;
    secret->autorelease();
    ASSERT_TRUE(secret->init(CCSizeMake(400, 50), 30, ccc3(0, 0, 0), CInputBox::kPassword));
    secret->setMaxLength(20);
    secret->setPosition(ccp(480, 200));
    m_scene->addChild(secret);
    secret->setText(std::string(32, 'A'));
    EXPECT_STREQ(secret->textField()->getString(), "******");
    // A stored digest longer than the limit goes with one backspace.
    secret->textField()->attachWithIME();
    EXPECT_EQ(secret->getText(), ""); // focusing a password box empties it
    engine::testing::typeText("a");
    EXPECT_STREQ(secret->textField()->getString(), "a");
    engine::testing::stepSeconds(0.6f);
    EXPECT_STREQ(secret->textField()->getString(), "*");
    engine::testing::typeText("b");
    EXPECT_STREQ(secret->textField()->getString(), "*b");
    engine::testing::stepSeconds(0.6f);
    EXPECT_STREQ(secret->textField()->getString(), "**");
    EXPECT_EQ(secret->getText(), "ab");

    // Focus follows the touch: a release outside the first box leaves it.
    box->handleRelease(ccp(1000, 1000));
    EXPECT_FALSE(box->cursor()->isVisible());
    secret->handleRelease(secret->textField()->getPosition());
    EXPECT_TRUE(secret->cursor()->isVisible());
}

} // namespace

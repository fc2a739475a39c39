// The registration screen: its checks and their boxes, the request it sends, the answers and the
// login that follows a success, the agreement link, the guide, against a scripted entry server and
// against the real brindle-server; and the play scene's ways into it.
#include "account/CRegisterLayer.h"
#include "account/StartScenes.h"
#include "app/Md5.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "data/AdStore.h"
#include "menu/CMainLayer.h"
#include "menu/MainMenuState.h"
#include "net/CNetLayer.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/UserSession.h"
#include "quiz/AnswerBox.h"
#include "quiz/CPlayLayer.h"
#include "quiz/CQuestionMission.h"
#include "quiz/PlayTestSupport.h"
#include "quiz/QuizData.h"
#include "support/LoopbackServer.h"
#include "widgets/CInputBox.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/playGuide.h"

#include "testing/EngineTesting.h"

USING_NS_CC;
USING_NS_CC_EXT;
using namespace test_support;

namespace {

const char* const kKeys[] = {"sure", "Registration", "inputTruePhone", "InputUserMM", "EnsureMM", "RecommendCode",
                             "UserNameError", "PasswordLegthError", "NewPwdNoSame", "RegisterSuccess", "UserExist",
                             "ZhuCeYaoQingMAFail", "UserAgreementuser1", "UserAgreementuser2", "PasswordError",
                             "netFail", "theNetIsDie", "tips",
                             // what the play scene shows on the way here
                             "signTip", "RegisterNow", "nextTime", "AnswerRight", "NextQuestion", "ReturnMain"};
constexpr const char* kAgreement = "https://agreement.invalid/terms";
const std::string kThirtyTwo(32, 'p');

class RegisterScreenTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        AdStore::instance().setFolder(m_folder);
        MainMenuState::instance().reset();
        std::string json = "{";
        for (const char* key : kKeys) json += std::string("\"") + key + "\":{\"chinese\":\"" + key + "-zh\"},";
        json += std::string("\"UserAgreementuser3\":{\"chinese\":\"") + kAgreement + "\"}}";
        setTexts(json);
        StoredSettings::writeBool("register_hadGuide", true);
        registerStartScenes();
        // The menu has its own tests; here a bare scene marks the arrival, unless a test wants it.
        SceneDirector::instance().registerScene(2, [] { return CCScene::create(); });
    }

    // An entry server that answers registrations with `m_answer` and logins with a refusal.
    void scriptEntry() {
        m_entry = std::make_unique<LoopbackServer>(false, [this](const Json::Value& request) {
            if (request["system"].asInt() == 1) return Reply::json(m_answer);
            Json::Value refused;
            refused["response"] = 0;
            refused["fail"] = 3;
            return Reply::json(refused);
        });
        NetManager::instance().setEntryEndpoint("127.0.0.1", m_entry->port());
    }

    CRegisterLayer* enterRegister() {
        SceneDirector::instance().switchTo(14);
        engine::testing::stepSeconds(0.3f);
        return screen();
    }
    CRegisterLayer* screen() const {
        CCScene* scene = SceneDirector::instance().currentScene();
        if (scene == nullptr || scene->getChildrenCount() == 0) return nullptr;
        return dynamic_cast<CRegisterLayer*>(static_cast<CCObject*>(scene->getChildren()->objectAtIndex(0)));
    }
    // As a player would: tap into the box, then type.
    static void typeInto(CInputBox* box, const std::string& text) {
        const CCPoint at = box->getParent()->convertToWorldSpace(box->getPosition());
        engine::testing::tap(at.x, at.y);
        engine::testing::typeText(text);
    }
    // Straight into the boxes, past their byte limits (to reach the checks with any length).
    static void fill(CRegisterLayer* layer, const std::string& name, const std::string& password,
                     const std::string& confirmation, const std::string& referrer = "") {
        layer->userNameBox()->setText(name);
        layer->passwordBox()->setText(password);
        layer->confirmBox()->setText(confirmation);
        layer->referrerBox()->setText(referrer);
    }
    void tapWidget(const char* name) {
        UIWidget* widget = screen()->uiRoot()->getWidgetByName(name);
        ASSERT_NE(widget, nullptr) << name;
        const CCPoint at = widget->getWorldPosition();
        engine::testing::tap(at.x, at.y);
    }
    static CMyMessageBox* messageBox() {
        CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
        return scene ? dynamic_cast<CMyMessageBox*>(scene->getChildByTag(CRegisterLayer::kBoxTag)) : nullptr;
    }
    static std::string boxText() {
        CMyMessageBox* box = messageBox();
        return box ? box->messageText() : std::string("(no box)");
    }
    static void pressSure() {
        CMyMessageBox* box = messageBox();
        ASSERT_NE(box, nullptr);
        ASSERT_NE(box->button(2), nullptr);
        box->handleRelease(box->button(2)->getPosition());
    }
    std::vector<Json::Value> registrations() const {
        std::vector<Json::Value> found;
        for (const Json::Value& r : m_entry->requests()) {
            if (r["system"].asInt() == 1) found.push_back(r);
        }
        return found;
    }

    std::unique_ptr<LoopbackServer> m_entry;
    Json::Value m_answer;
};

TEST_F(RegisterScreenTest, EachCheckRefusesWithItsBoxAndSendsNothing) {
    struct Case {
        const char* what;
        std::string name, password, confirmation;
        const char* box; // null: the request goes out
    };
    const Case cases[] = {
        {"empty name", "", "secret1", "secret1", "UserNameError-zh"},
        {"ten characters", "1380013800", "secret1", "secret1", "UserNameError-zh"},
        {"twelve characters", "138001380001", "secret1", "secret1", "UserNameError-zh"},
        {"another first character", "23800138000", "secret1", "secret1", "UserNameError-zh"},
        {"five-character password", "13800138000", "12345", "12345", "PasswordLegthError-zh"},
        {"thirteen-character password", "13800138000", "1234567890123", "1234567890123", "PasswordLegthError-zh"},
        {"confirmation differs", "13800138000", "secret1", "secret2", "NewPwdNoSame-zh"},
        {"name check comes first", "2", "1", "3", "UserNameError-zh"},
        {"letters after the one", "1abcdefghij", "secret1", "secret1", nullptr},
        {"six characters", "13800138000", "123456", "123456", nullptr},
        {"twelve-character password", "13800138000", "123456789012", "123456789012", nullptr},
        {"a 32-character password", "13800138000", kThirtyTwo, kThirtyTwo, nullptr},
    };
    m_answer["response"] = 0;
    m_answer["fail"] = 1;
    scriptEntry();
    CRegisterLayer* layer = enterRegister();
    ASSERT_NE(layer, nullptr);
    size_t sent = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (CMyMessageBox* old = messageBox()) old->removeFromParent();
        fill(layer, c.name, c.password, c.confirmation);
        layer->submit();
        if (c.box) {
            EXPECT_EQ(NetManager::instance().outstanding(), 0);
            EXPECT_EQ(boxText(), c.box);
            EXPECT_EQ(messageBox()->getZOrder(), CRegisterLayer::kBoxZ);
            EXPECT_EQ(messageBox()->getPosition().x, 480);
            EXPECT_EQ(messageBox()->getPosition().y, 320);
            continue;
        }
        ASSERT_TRUE(pumpUntilIdle());
        sent += 1;
        ASSERT_EQ(registrations().size(), sent);
        EXPECT_EQ(registrations().back()["username"].asString(), c.name);
        EXPECT_EQ(registrations().back()["pwd"].asString(), Md5::hexDigest(c.password));
    }
    // The typed values stay for another try.
    EXPECT_EQ(layer->userNameBox()->getText(), "13800138000");
    EXPECT_EQ(StoredSettings::storedUserName(), "");
}

TEST_F(RegisterScreenTest, TypedFormGoesOutAsTheEntryRequest) {
    struct Case {
        const char* what;
        std::string referrer;
        bool hasReferrer;
        int number;
    };
    const Case cases[] = {
        {"no referrer", "", false, 0},
        {"leading zeros", "0012", true, 12},
        {"digits then letters", "42ab7", true, 42},
        {"no digits at all", "ab", true, 0},
    };
    m_answer["response"] = 0;
    m_answer["fail"] = 1;
    scriptEntry();
    m_platform->identity = "00E04C6811AB-5A3F-WD123";
    CRegisterLayer* layer = enterRegister();
    ASSERT_NE(layer, nullptr);
    typeInto(layer->userNameBox(), "13912345678");
    typeInto(layer->passwordBox(), "Secret7");
    typeInto(layer->confirmBox(), "Secret7");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.hasReferrer || !c.referrer.empty()) pressSure(); // the last refusal
        layer->referrerBox()->setText("");
        if (!c.referrer.empty()) typeInto(layer->referrerBox(), c.referrer);
        tapWidget("confirmbtn");
        ASSERT_TRUE(pumpUntilIdle());
        const Json::Value sent = registrations().back();
        EXPECT_EQ(sent["system"].asInt(), 1);
        EXPECT_EQ(sent["username"].asString(), "13912345678");
        EXPECT_EQ(sent["pwd"].asString(), Md5::hexDigest("Secret7"));
        EXPECT_EQ(sent["pwd"].asString().find_first_not_of("0123456789ABCDEF"), std::string::npos);
        EXPECT_EQ(sent["mac"].asString(), "00E04C6811AB-5A3F-WD123");
        EXPECT_EQ(sent["deviceid"].asInt(), 3);
        EXPECT_EQ(sent["platid"].asInt(), 0);
        EXPECT_EQ(sent.isMember("tuijianid"), c.hasReferrer);
        EXPECT_EQ(sent.isMember("tuijian"), c.hasReferrer);
        if (c.hasReferrer) {
            EXPECT_TRUE(sent["tuijianid"].isInt());
            EXPECT_EQ(sent["tuijianid"].asInt(), c.number);
            EXPECT_EQ(sent["tuijian"].asInt(), 1);
        }
        EXPECT_FALSE(sent.isMember("sessionid"));
        EXPECT_EQ(UserSession::instance().deviceText(), "00E04C6811AB-5A3F-WD123");
    }
    EXPECT_EQ(registrations().size(), 4u);
}

TEST_F(RegisterScreenTest, RefusalsShowTheirBoxAndKeepTheForm) {
    struct Case {
        int fail;
        const char* tip;
        const char* box;
    };
    const Case cases[] = {
        {1, "", "UserExist-zh"},
        {2, "", "UserNameError-zh"},
        {3, "", "ZhuCeYaoQingMAFail-zh"},
        {1, "号码已被占用", "号码已被占用"}, // the server's own words come first
    };
    scriptEntry();
    CRegisterLayer* layer = enterRegister();
    ASSERT_NE(layer, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        m_answer = Json::Value();
        m_answer["response"] = 0;
        m_answer["fail"] = c.fail;
        m_answer["tip"] = c.tip;
        fill(layer, "13800138000", "secret1", "secret1", "7");
        layer->submit();
        ASSERT_TRUE(pumpUntilIdle());
        EXPECT_EQ(boxText(), c.box);
        pressSure();
        EXPECT_EQ(messageBox(), nullptr);
        EXPECT_EQ(layer->referrerBox()->getText(), "7");
    }
    EXPECT_EQ(StoredSettings::storedUserName(), "");
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 14);
}

TEST_F(RegisterScreenTest, SuccessRemembersTheTypedPasswordAndLogsInWithItsDigest) {
    m_answer["response"] = 1;
    scriptEntry();
    CRegisterLayer* layer = enterRegister();
    ASSERT_NE(layer, nullptr);
    fill(layer, "13800138000", "secret1", "secret1");
    typeInto(layer->referrerBox(), ""); // the keyboard is still with a box when the answer comes
    layer->submit();
    ASSERT_TRUE(pumpUntilIdle());
    EXPECT_EQ(boxText(), "RegisterSuccess-zh");
    EXPECT_EQ(StoredSettings::storedUserName(), "13800138000");
    EXPECT_EQ(CCUserDefault::sharedUserDefault()->getStringForKey("pwd"), "secret1");
    EXPECT_EQ(UserSession::instance().password(), "secret1");
    // A keystroke clears boxes of this tag: none of the inputs may keep the keyboard now.
    engine::testing::typeText("x");
    EXPECT_EQ(boxText(), "RegisterSuccess-zh");

    pressSure();
    EXPECT_NE(layer->getChildByTag(CRegisterLayer::kBusyTag), nullptr);
    // The scripted server refuses the login: the refusal shows and the screen is usable again.
    ASSERT_TRUE(pumpUntilIdle());
    engine::testing::stepSeconds(0.6f);
    const std::vector<Json::Value> requests = m_entry->requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1]["system"].asInt(), 2);
    EXPECT_EQ(requests[1]["username"].asString(), "13800138000");
    EXPECT_EQ(requests[1]["pwd"].asString(), Md5::hexDigest("secret1"));
    EXPECT_EQ(CCUserDefault::sharedUserDefault()->getStringForKey("pwd"), "secret1");
    EXPECT_EQ(layer->getChildByTag(CRegisterLayer::kBusyTag), nullptr);
    EXPECT_EQ(boxText(), "PasswordError-zh");
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 14);
}

TEST_F(RegisterScreenTest, RegistersThroughTheScreenAgainstTheRealServer) {
    ASSERT_TRUE(startServerAndLogIn()) << "brindle-server: " << ServerProcess::binary();
    EXPECT_EQ(UserSession::instance().accountKind(), 2);
    const int guestId = UserSession::instance().userId();
    SceneDirector::instance().registerScene(2, &CMainLayer::scene);

    CRegisterLayer* layer = enterRegister();
    ASSERT_NE(layer, nullptr);
    typeInto(layer->userNameBox(), "13912340001");
    typeInto(layer->passwordBox(), "carrot7");
    typeInto(layer->confirmBox(), "carrot7");
    tapWidget("confirmbtn");
    ASSERT_TRUE(pumpUntilIdle(15));
    ASSERT_EQ(boxText(), "RegisterSuccess-zh");
    pressSure();
    ASSERT_TRUE(pumpUntilIdle(15));
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 2);
    EXPECT_NE(dynamic_cast<CMainLayer*>(static_cast<CCObject*>(
                  SceneDirector::instance().currentScene()->getChildren()->objectAtIndex(0))),
              nullptr);
    UserSession& session = UserSession::instance();
    EXPECT_EQ(session.accountKind(), 1);
    EXPECT_EQ(session.userName(), "13912340001");
    // The device's guest became the account, so what it earned stays with the same player.
    EXPECT_EQ(session.userId(), guestId);
    EXPECT_TRUE(StoredSettings::readBool(settings::kRegisteredPlayer, false));
    EXPECT_EQ(StoredSettings::storedUserName(), "13912340001");
    EXPECT_EQ(CCUserDefault::sharedUserDefault()->getStringForKey("pwd"), "carrot7");
    const int firstId = session.userId();
    ASSERT_TRUE(pumpUntilIdle(15));

    struct Again {
        const char* what;
        std::string name, referrer;
        const char* box;
    };
    const Again again[] = {
        {"the same number", "13912340001", "", "UserExist-zh"},
        {"a referrer nobody is", "13912340002", "99999", "ZhuCeYaoQingMAFail-zh"},
        {"a referrer who exists", "13912340003", std::to_string(firstId), "RegisterSuccess-zh"},
    };
    for (const Again& a : again) {
        SCOPED_TRACE(a.what);
        layer = enterRegister();
        ASSERT_NE(layer, nullptr);
        typeInto(layer->userNameBox(), a.name);
        typeInto(layer->passwordBox(), "carrot8");
        typeInto(layer->confirmBox(), "carrot8");
        if (!a.referrer.empty()) typeInto(layer->referrerBox(), a.referrer);
        tapWidget("confirmbtn");
        ASSERT_TRUE(pumpUntilIdle(15));
        EXPECT_EQ(boxText(), a.box);
        EXPECT_EQ(SceneDirector::instance().currentSceneId(), 14);
    }
}

TEST_F(RegisterScreenTest, AgreementLinkOpensTheAddress) {
    CRegisterLayer* layer = enterRegister();
    ASSERT_NE(layer, nullptr);
    CCControlButton* link = layer->agreementButton();
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->getTouchPriority(), CRegisterLayer::kAgreementPriority);
    EXPECT_FALSE(link->getZoomOnTouchDown());
    // Where the blue text is drawn, through the touch dispatcher.
    engine::testing::tap(533 + 40, 53 + 12);
    EXPECT_EQ(m_platform->opened, std::vector<std::string>{kAgreement});
    engine::testing::tap(300, 60); // the lead-in text is no link
    EXPECT_EQ(m_platform->opened.size(), 1u);
}

TEST_F(RegisterScreenTest, GuideShowsUntilItsLastStepOnce) {
    StoredSettings::writeBool("register_hadGuide", false);
    CRegisterLayer* layer = enterRegister();
    ASSERT_NE(layer, nullptr);
    auto guides = childrenOf<playGuide>(layer);
    ASSERT_EQ(guides.size(), 1u);
    EXPECT_EQ(guides[0]->getZOrder(), CRegisterLayer::kGuideZ);
    EXPECT_EQ(guides[0]->stepCount(), 5);
    // Its touches never reach the form: the register button under the last spot does nothing.
    for (int step = 0; step < 5; ++step) tapWidget("confirmbtn");
    EXPECT_EQ(messageBox(), nullptr);
    EXPECT_TRUE(childrenOf<playGuide>(layer).empty());
    EXPECT_TRUE(StoredSettings::readBool("register_hadGuide", false));

    SceneDirector::instance().switchTo(2);
    engine::testing::stepSeconds(0.3f);
    layer = enterRegister();
    EXPECT_TRUE(childrenOf<playGuide>(layer).empty());
}

TEST_F(RegisterScreenTest, BackLeadsToTheUserScreen) {
    SceneDirector::instance().registerScene(13, [] { return CCScene::create(); });
    enterRegister();
    tapWidget("backbtn");
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 13);
}

TEST_F(RegisterScreenTest, PlaySceneButtonsLeadHere) {
    // An account that is not registered is asked first; "RegisterNow" is the first button.
    QuizData::instance().qsidQueue = {901, 902};
    UserSession::instance().setAccountKind(1);
    UserSession::instance().setRegistered(false);
    SceneDirector::instance().switchTo(3);
    engine::testing::stepSeconds(0.3f);
    auto asks = childrenOf<CMyMessageBox>(playLayer());
    ASSERT_EQ(asks.size(), 1u);
    asks[0]->handleRelease(asks[0]->button(1)->getPosition());
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 14);
    EXPECT_NE(screen(), nullptr);

    // A player without a user name gets "Registration" on the answer box.
    UserSession::instance().setUserName("");
    CPlayLayer* play = enterPlay();
    ASSERT_NE(play, nullptr);
    showStubQuestion(401);
    QuizData::instance().lastResult = std::make_unique<AnswerResult>();
    CQuestionMission::instance()->submitAnswer("a", 0, 0, -1);
    CQuestionMission::instance()->onAnswerResult(0);
    auto answers = childrenOf<AnswerBox>(play);
    ASSERT_EQ(answers.size(), 1u);
    answers[0]->handleRelease(answers[0]->yesButton()->getPosition());
    engine::testing::stepSeconds(0.3f);
    EXPECT_EQ(SceneDirector::instance().currentSceneId(), 14);
    EXPECT_NE(screen(), nullptr);
}

} // namespace

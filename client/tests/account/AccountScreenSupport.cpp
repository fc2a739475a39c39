#include "account/AccountScreenSupport.h"

#include "account/AccountChecks.h"
#include "account/CChangeMmLayer.h"
#include "account/CUserInfoLayer.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "net/NetManager.h"
#include "net/RequestCatalogue.h"
#include "net/UserSession.h"
#include "widgets/CInputBox.h"
#include "widgets/CMyMessageBox.h"

#include "testing/EngineTesting.h"


USING_NS_CC;
USING_NS_CC_EXT;

namespace test_support {

namespace {

CCPoint worldCentre(CCNode* node) {
    const CCSize size = node->getContentSize();
    return node->convertToWorldSpace(ccp(size.width / 2, size.height / 2));
}

} // namespace

void AccountScreenTest::SetUp() {
    ClientTest::SetUp();
    beforePictures();
    useGameResources();
    setGameTexts();
    NetManager::installFrameHook();
    SceneDirector& director = SceneDirector::instance();
    director.registerScene(13, &CUserInfoLayer::scene);
    director.registerScene(15, &CChangeMmLayer::scene);
    // Where the buttons lead: bare scenes mark the arrival.
    for (int id : {2, 14, 16}) director.registerScene(id, [] { return CCScene::create(); });
}

void AccountScreenTest::TearDown() {
    EXPECT_TRUE(pumpUntilIdle(15));
    m_server.reset();
    ClientTest::TearDown();
}

CUserInfoLayer* AccountScreenTest::enterUserScreen() {
    SceneDirector::instance().switchTo(13);
    engine::testing::stepSeconds(0.3f);
    return runningScreen<CUserInfoLayer>();
}

CChangeMmLayer* AccountScreenTest::enterPasswordChange() {
    SceneDirector::instance().switchTo(15);
    engine::testing::stepSeconds(0.3f);
    return runningScreen<CChangeMmLayer>();
}

void AccountScreenTest::tapWidget(UIWidget* widget) {
    ASSERT_NE(widget, nullptr);
    const CCPoint at = worldCentre(widget);
    engine::testing::tap(at.x, at.y);
}

void AccountScreenTest::typeInto(CInputBox* box, const std::string& value) {
    ASSERT_NE(box, nullptr);
    // The box lays its field out around its own origin.
    const CCPoint at = box->convertToWorldSpace(CCPointZero);
    engine::testing::tap(at.x, at.y);
    engine::testing::typeText(value);
    // Password boxes turn the last character into a star after half a second.
    engine::testing::stepSeconds(0.6f);
}

CMyMessageBox* AccountScreenTest::notice() {
    CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
    return scene ? dynamic_cast<CMyMessageBox*>(scene->getChildByTag(298)) : nullptr;
}

int AccountScreenTest::boxesShowing(const std::string& message) {
    CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
    int count = 0;
    for (CMyMessageBox* box : childrenOf<CMyMessageBox>(scene)) {
        if (box->messageText() == message) count += 1;
    }
    return count;
}

void AccountScreenTest::pressSure(CMyMessageBox* box) {
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->button(2), nullptr);
    box->handleRelease(box->button(2)->getPosition());
}

std::string AccountScreenTest::text(const char* key) { return LocalText::instance().text(key); }

std::string AccountScreenTest::titleOf(UIWidget* widget) {
    // A widget lists only its child widgets; the nodes added to it sit among the plain children.
    CCArray* children = widget ? widget->CCNode::getChildren() : nullptr;
    for (unsigned i = 0; children && i < children->count(); ++i) {
        if (auto* label = dynamic_cast<CCLabelBMFont*>(static_cast<CCObject*>(children->objectAtIndex(i)))) {
            return label->getString();
        }
    }
    return "";
}

bool AccountScreenTest::startServerAsGuest() {
    m_server = std::make_unique<ServerProcess>(m_folder);
    if (!m_server->running()) return false;
    NetManager::instance().setEntryEndpoint("127.0.0.1", m_server->entryPort());
    // The frame loop, and with it the answers, runs once a scene is on stage.
    SceneDirector::instance().switchTo(2);
    engine::testing::stepSeconds(0.3f);
    UserSession::instance().login("", "", nullptr, nullptr, nullptr);
    const bool ok = pumpUntilIdle(15) && UserSession::instance().accountKind() == 2;
    if (!ok) {
        for (const std::string& line : m_log) std::fprintf(stderr, "log: %s\n", line.c_str());
        std::fprintf(stderr, "server: %s\n", m_server->output().c_str());
    }
    return ok;
}

bool AccountScreenTest::registerAccount(const std::string& name, const std::string& password) {
    std::vector<std::string> events;
    Probe* probe = Probe::create(&events);
    CCDirector::sharedDirector()->getRunningScene()->addChild(probe);
    Json::Value request(Json::objectValue);
    request["system"] = 1;
    request["username"] = name;
    request["pwd"] = AccountChecks::passwordDigest(password);
    request["mac"] = "REGISTER-" + name;
    request["deviceid"] = kDeviceKind;
    request["platid"] = kPlatformNumber;
    const std::string body = request.toStyledString();
    NetManager::instance().send(kEntryServer, ReqRegister, body.data(), static_cast<int>(body.size()), probe,
                                net_selector(Probe::onResponse), net_selector(Probe::onStatus), Busy::No, Dim::No);
    const bool answered = pumpUntilIdle(15);
    probe->removeFromParent();
    return answered && events == std::vector<std::string>{"response:0"};
}

std::string AccountScreenTest::logInDirectly(const std::string& name, const std::string& password) {
    std::vector<std::string> events;
    Probe* probe = Probe::create(&events);
    CCDirector::sharedDirector()->getRunningScene()->addChild(probe);
    UserSession::instance().login(name, AccountChecks::passwordDigest(password), probe,
                                  callfuncI_selector(Probe::onDone), callfunc_selector(Probe::onFail));
    pumpUntilIdle(15);
    probe->removeFromParent();
    return events.empty() ? std::string() : events.front().substr(0, 4);
}

} // namespace test_support

#include "menu/CMainLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "menu/CMainDecorations.h"
#include "menu/CRollAnnounceLayer.h"
#include "menu/MainMenuState.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/RequestCatalogue.h"
#include "net/UserSession.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/CTipBox.h"
#include "widgets/playGuide.h"

#include <cstring>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

struct ButtonScene {
    const char* name;
    int scene; // -1: the user screen or registration
};

const ButtonScene kButtons[] = {
    {"playbtn", 3},     {"signbtn", 5},         {"ranklistbtn", 4},       {"userinfobtn", -1}, {"userinfologoutbtn", -1},
    {"usertitle", -1},  {"shopbtn", 6},         {"moregamebtn", 7},       {"achievementbtn", 12}, {"eventbtn", 17},
    {"pkbtn", 21},
};

} // namespace

CCScene* CMainLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CMainLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CMainLayer* CMainLayer::create() {
    CMainLayer* layer = new CMainLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CMainLayer::Create Error!");
    return nullptr;
}


UIWidget* CMainLayer::widget(const char* name) const { return m_uiRoot ? m_uiRoot->getWidgetByName(name) : nullptr; }

void CMainLayer::onEnter() {
    CCLayer::onEnter();
    m_uiRoot = UILayer::create();
    m_roll = CRollAnnounceLayer::create();
    if (m_roll) addChild(m_roll, 10);
    if (MainMenuState::instance().takeFirstEntry()) requestNotice();
    addChild(m_uiRoot, 0, kUiRootTag);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("main.ExportJson")) {
        m_uiRoot->addWidget(root);
    } else {
        ClientLog::write("main menu: main.ExportJson cannot be read");
    }
    wireButtons();
    if (m_decorations) m_decorations->removeFromParent();
    m_decorations = CMainDecorations::create(this, m_uiRoot);
    if (m_decorations) {
        addChild(m_decorations);
        m_decorations->startLights(UserSession::instance().accountKind() == 1 &&
                                   !UserSession::instance().storedUserName().empty());
    }

    if (CSliderLayer* slider = CSliderLayer::create(0)) {
        slider->setDelegate(this);
        slider->setPosition(ccp(12, 574));
        addChild(slider, 100);
    }
    if (m_roll) {
        for (const Notice& notice : GameData::instance().notices) m_roll->addMessage(notice.message + "\n");
        m_roll->start();
    }
    setTouchEnabled(true);
    if (m_decorations) m_decorations->startAmbient();
    NetManager::instance().setHeartbeatInterval(20);
}

void CMainLayer::onExit() {
    CCLayer::onExit();
    CCDirector::sharedDirector()->getTouchDispatcher()->removeDelegate(this);
    setTouchEnabled(false);
    CCTextureCache::sharedTextureCache()->removeAllTextures();
}

void CMainLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, false);
}

bool CMainLayer::ccTouchBegan(CCTouch* touch, CCEvent*) {
    (void)touch->getLocation();
    return true;
}

void CMainLayer::wireButtons() {
    for (const ButtonScene& button : kButtons) {
        UIWidget* w = widget(button.name);
        if (!w) {
            ClientLog::write("main menu: no widget %s", button.name);
            continue;
        }
        w->addTouchEventListener(this, toucheventselector(CMainLayer::onButton));
    }
    UIWidget* account = widget("userinfobtn");
    UIWidget* guest = widget("userinfologoutbtn");
    for (UIWidget* w : {account, guest}) {
        if (!w) continue;
        w->setVisible(false);
        w->setTouchEnabled(false);
    }
    if (UIWidget* title = widget("usertitle")) title->setTouchEnabled(true);
    UserSession& session = UserSession::instance();
    UIWidget* shown = (!session.storedUserName().empty() && session.accountKind() == 1) ? account : guest;
    if (shown) {
        shown->setVisible(true);
        shown->setTouchEnabled(true);
    }
}

void CMainLayer::onButton(CCObject* sender, TouchEventType type) {
    auto* w = dynamic_cast<UIWidget*>(sender);
    if (!w) return;
    const std::string name = w->getName();
    if (type == TOUCH_EVENT_BEGAN) {
        if (name == "achievementbtn" && m_decorations) m_decorations->stopTaskLight();
        if ((name == "userinfobtn" || name == "userinfologoutbtn" || name == "usertitle") &&
            UserSession::instance().accountKind() == 1) {
            if (m_decorations) m_decorations->stopUserLight();
        }
        return;
    }
    if (type != TOUCH_EVENT_ENDED) return;
    for (const ButtonScene& button : kButtons) {
        if (name != button.name) continue;
        if (button.scene < 0) {
            openUserScreen();
        } else if (!SceneDirector::instance().switchTo(button.scene)) {
            ClientLog::write("main menu: scene %d is not available yet", button.scene);
        }
        return;
    }
}

void CMainLayer::openUserScreen() {
    const int scene = UserSession::instance().storedUserName().empty() ? 14 : 13;
    if (!SceneDirector::instance().switchTo(scene)) {
        ClientLog::write("main menu: scene %d is not available yet", scene);
    }
}

void CMainLayer::requestNotice() {
    RequestCatalogue::notice(1, Dim::Yes, {this, net_selector(CMainLayer::onNotice),
                                           net_selector(CMainLayer::onRequestFailed)});
}

void CMainLayer::requestEvents() {
    RequestCatalogue::eventList({this, net_selector(CMainLayer::onEventList), net_selector(CMainLayer::onRequestFailed)});
}

void CMainLayer::onNotice(int) {
    if (getChildByTag(kNoticeBoxTag)) removeChildByTag(kNoticeBoxTag);
    const GameData& data = GameData::instance();
    const int kind = data.noticeAct;
    const std::vector<Notice>& list = kind == 0 ? data.notices : data.rollNotices;
    if (list.empty()) {
        requestEvents();
        return;
    }
    if (kind == 0) {
        if (m_roll) {
            for (const Notice& notice : list) m_roll->addMessage(notice.message);
            m_roll->start();
        }
        return;
    }
    std::string text;
    for (size_t i = 0; i < list.size(); ++i) {
        text += std::to_string(i + 1) + "." + list[i].message + "\n    ";
    }
    showTipBox("title_notice.png", text, callfunc_selector(CMainLayer::requestEvents));
}

void CMainLayer::showTipBox(const char* titleImage, const std::string& text, SEL_CallFunc onClose) {
    CTipBox* box = CTipBox::create(titleImage, text, this, onClose);
    if (!box) return;
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    box->setPosition(ccp(size.width / 2, size.height / 2));
    addChild(box, 99);
}

void CMainLayer::onEventList(int) {
    const std::vector<EventItem>& events = GameData::instance().events;
    if (events.empty() || events.front().desc.empty()) return;
    showTipBox("title_activities.png", events.front().desc, callfunc_selector(CMainLayer::afterEvents));
}

void CMainLayer::afterEvents() {
    if (!StoredSettings::readBool(StoredSettings::guideKey("main").c_str(), false)) {
        if (playGuide* guide = playGuide::create(1)) addChild(guide, kGuideZ);
    }
    const LocalText& texts = LocalText::instance();
    for (const PendingReward& reward : MainMenuState::instance().takeRewards()) {
        if (reward.amount <= 0) continue;
        const std::string message = !reward.text.empty()
                                        ? reward.text
                                        : texts.text("Received") + std::to_string(reward.amount) + texts.text("JinLuoBo");
        CMyMessageBox* box = CMyMessageBox::create("", message, texts.text("sure"), "", "", nullptr, 0, nullptr,
                                                   nullptr, nullptr, nullptr, false);
        if (!box) continue;
        box->setPosition(ccp(480, 320));
        addChild(box);
    }
}

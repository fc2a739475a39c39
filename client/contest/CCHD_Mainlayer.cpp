#include "contest/CCHD_Mainlayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "contest/HallRules.h"
#include "net/GameData.h"
#include "net/RequestCatalogue.h"
#include "net/UserSession.h"
#include "quiz/CCountDownLabel.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kMainScene = 2, kUserScene = 13, kRegisterScene = 14;
constexpr int kDoublesScene = 23, kTeamScene = 25, kChallengeScene = 28, kExamScene = 29;
constexpr int kLineZ = 5, kBoxZ = 100;
constexpr int kNoLabel = -1;

// The caption button of each match type, under which its schedule line sits.
const char* const kCaptionButtons[] = {"pkvs", "pkteam", "pkchallenge", "pkexam"};
const char* const kAllButtons[] = {"pkvsbtn", "pkvs",   "pkteambtn",        "pkteam",
                                   "pkchallengebtn", "pkchallenge", "pkexaminationbtn", "pkexam", "backbtn"};

} // namespace

CCScene* CCHD_Mainlayer::scene() {
    CCScene* scene = CCScene::create();
    if (CCHD_Mainlayer* layer = create()) scene->addChild(layer);
    return scene;
}

CCHD_Mainlayer* CCHD_Mainlayer::create() {
    auto* layer = new CCHD_Mainlayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CCHD_Mainlayer::Create Error!");
    return nullptr;
}

UIWidget* CCHD_Mainlayer::widget(const char* name) const {
    return m_uiRoot ? m_uiRoot->getWidgetByName(name) : nullptr;
}

CCountDownLabel* CCHD_Mainlayer::countdown(int matchType) const {
    return matchType >= 2 && matchType <= 4 ? m_countdowns[matchType - 2] : nullptr;
}

void CCHD_Mainlayer::onEnter() {
    CCLayer::onEnter();
    // The lines are rebuilt on every entry from a fresh schedule.
    removeAllChildrenWithCleanup(true);
    m_countdowns[0] = m_countdowns[1] = m_countdowns[2] = nullptr;
    m_openLine = nullptr;
    m_uiRoot = UILayer::create();
    addChild(m_uiRoot);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("PK_Main.ExportJson")) {
        m_uiRoot->addWidget(root);
    } else {
        ClientLog::write("contest hall: PK_Main.ExportJson cannot be read");
    }
    if (UIWidget* band = widget("gonggaodiwen")) band->setVisible(false);
    wireButtons();

    const LocalText& texts = LocalText::instance();
    UserSession& session = UserSession::instance();
    if (session.storedUserName().empty()) {
        hall_rules::showBox(this, texts.text("HDMainLayerRunRegister"), this,
                            callfunc_selector(CCHD_Mainlayer::goRegister), false,
                            callfunc_selector(CCHD_Mainlayer::goMain), kBoxZ, -1, "", "RegisterNow", "nextTime");
        return;
    }
    if (session.accountKind() == 2) {
        hall_rules::showBox(this, texts.text("notLoginTip"), this, callfunc_selector(CCHD_Mainlayer::goUserScreen),
                            false, callfunc_selector(CCHD_Mainlayer::goMain), kBoxZ, -1, texts.text("FriendlyTip"));
        return;
    }
    RequestCatalogue::matchSchedule({this, net_selector(CCHD_Mainlayer::onSchedule),
                                     net_selector(CCHD_Mainlayer::onRequestFailed)});
}

void CCHD_Mainlayer::onEnterTransitionDidFinish() {
    CCLayer::onEnterTransitionDidFinish();
    setKeypadEnabled(true);
}

void CCHD_Mainlayer::onExitTransitionDidStart() {
    CCLayer::onExitTransitionDidStart();
    setKeypadEnabled(false);
}

void CCHD_Mainlayer::keyBackClicked() { goMain(); }

void CCHD_Mainlayer::wireButtons() {
    for (const char* name : kAllButtons) {
        UIWidget* w = widget(name);
        if (w == nullptr) {
            ClientLog::write("contest hall: no widget %s", name);
            continue;
        }
        w->setTouchEnabled(true);
        w->addTouchEventListener(this, toucheventselector(CCHD_Mainlayer::onButton));
    }
}

CCPoint CCHD_Mainlayer::lineSpot(const char* buttonName) const {
    UIWidget* button = widget(buttonName);
    if (button == nullptr || button->getParent() == nullptr) return ccp(0, 0);
    const CCPoint at = button->getParent()->convertToWorldSpace(button->getPosition());
    return ccp(at.x, at.y + 55);
}

void CCHD_Mainlayer::onSchedule(int code) {
    if (code != 0) return;
    const LocalText& texts = LocalText::instance();
    for (const MatchSchedule& entry : GameData::instance().matchSchedule) {
        if (entry.matchType == 1) {
            m_doublesOpen = entry.status;
            if (m_openLine) m_openLine->removeFromParent();
            m_openLine = CCLabelBMFont::create(texts.text(entry.status == 1 ? "matchConducting" : "matchClosed").c_str(),
                                               "Chinese.fnt");
            if (m_openLine == nullptr) continue;
            m_openLine->setColor(ccc3(50, 200, 250));
            m_openLine->setScale(0.8f);
            m_openLine->setPosition(lineSpot(kCaptionButtons[0]));
            addChild(m_openLine, kLineZ);
        } else if (entry.matchType >= 2 && entry.matchType <= 4) {
            CCountDownLabel*& slot = m_countdowns[entry.matchType - 2];
            if (slot) slot->removeFromParent();
            slot = CCountDownLabel::create(entry.startTime, entry.serverTime, entry.endTime);
            if (slot == nullptr) continue;
            slot->setPosition(lineSpot(kCaptionButtons[entry.matchType - 1]));
            // The longest line ("8 hours 0 minutes to go") has to fit between two cards.
            slot->setScale(0.7f);
            addChild(slot, kLineZ);
        }
    }
}

int CCHD_Mainlayer::stateOf(int matchType) const {
    const CCountDownLabel* label = countdown(matchType);
    return label ? label->state() : kNoLabel;
}

void CCHD_Mainlayer::onButton(CCObject* sender, TouchEventType type) {
    if (type != TOUCH_EVENT_ENDED) return;
    auto* w = dynamic_cast<UIWidget*>(sender);
    if (w == nullptr) return;
    const std::string name = w->getName();
    if (name == "backbtn") {
        goMain();
    } else if (name == "pkvsbtn" || name == "pkvs") {
        enterDoubles();
    } else if (name == "pkteambtn" || name == "pkteam") {
        SceneDirector::instance().switchTo(kTeamScene);
    } else if (name == "pkchallengebtn" || name == "pkchallenge") {
        enterChallenge();
    } else if (name == "pkexaminationbtn" || name == "pkexam") {
        enterExam();
    }
}

void CCHD_Mainlayer::enterDoubles() {
    if (m_doublesOpen == 1) {
        SceneDirector::instance().switchTo(kDoublesScene);
        return;
    }
    const char* notice = nullptr;
    if (stateOf(2) == CCountDownLabel::kOpeningSoon) {
        notice = "TDSJiJiangStart";
    } else if (stateOf(3) == CCountDownLabel::kOpeningSoon) {
        notice = "TZSJiJiangStart";
    } else if (stateOf(4) == CCountDownLabel::kOpeningSoon) {
        notice = "KSJiJiangStart";
    }
    const LocalText& texts = LocalText::instance();
    if (notice == nullptr) {
        hall_rules::showBox(this, texts.text("matchClosedTip"), nullptr, nullptr, false, nullptr, kBoxZ);
        return;
    }
    hall_rules::showBox(this, texts.text(notice), this, callfunc_selector(CCHD_Mainlayer::goSoonDestination), true,
                        nullptr, kBoxZ);
}

void CCHD_Mainlayer::goSoonDestination() {
    auto openOrRunning = [this](int type) {
        const int state = stateOf(type);
        return state == CCountDownLabel::kOpeningSoon || state == CCountDownLabel::kRunning;
    };
    int scene = kDoublesScene;
    if (m_doublesOpen == 1) {
        scene = kDoublesScene;
    } else if (openOrRunning(3)) {
        scene = kChallengeScene;
    } else if (openOrRunning(2)) {
        scene = kTeamScene;
    } else if (openOrRunning(4)) {
        scene = kExamScene;
    }
    SceneDirector::instance().switchTo(scene);
}

void CCHD_Mainlayer::enterChallenge() {
    const int state = stateOf(3);
    const LocalText& texts = LocalText::instance();
    if (state == kNoLabel || state == CCountDownLabel::kRunning) {
        SceneDirector::instance().switchTo(kChallengeScene);
    } else if (state == CCountDownLabel::kWaiting) {
        hall_rules::showBox(this, texts.text("HDWait"), nullptr, nullptr, false, nullptr, kBoxZ);
    } else if (state == CCountDownLabel::kEnded) {
        hall_rules::showBox(this, texts.text("HDEndedTip"), nullptr, nullptr, false, nullptr, kBoxZ);
    }
    // Opening soon: the line already says when; nothing to do yet.
}

void CCHD_Mainlayer::enterExam() {
    const int state = stateOf(4);
    const LocalText& texts = LocalText::instance();
    if (state == kNoLabel || state == CCountDownLabel::kRunning) {
        SceneDirector::instance().switchTo(kExamScene);
    } else if (state == CCountDownLabel::kWaiting) {
        hall_rules::showBox(this, texts.text("HDWait"), nullptr, nullptr, false, nullptr, kBoxZ);
    } else if (state == CCountDownLabel::kEnded) {
        hall_rules::showBox(this, texts.text("HDEndedTip"), nullptr, nullptr, false, nullptr, kBoxZ);
    }
}

void CCHD_Mainlayer::goMain() { SceneDirector::instance().switchTo(kMainScene); }
void CCHD_Mainlayer::goRegister() { SceneDirector::instance().switchTo(kRegisterScene); }
void CCHD_Mainlayer::goUserScreen() { SceneDirector::instance().switchTo(kUserScene); }

#include "menu/CSignLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/StoredSettings.h"
#include "menu/AccountPrompt.h"
#include "menu/CCalendar.h"
#include "net/GameData.h"
#include "net/RequestCatalogue.h"
#include "quiz/AddCarrot.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/CTipBox.h"
#include "widgets/Pictures.h"
#include "widgets/playGuide.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kMainScene = 2;
constexpr int kSignGuide = 4;
constexpr int kSignHelpId = 3;
constexpr float kWordScale = 0.536f;
const ccColor3B kGold = {250, 200, 50};
const CCPoint kAwardCarrotAt = ccp(700, 480), kAwardTextAt = ccp(805, 480);

std::string text(const char* key) { return LocalText::instance().text(key); }

CCLabelBMFont* numberLabel(const CCPoint& at) {
    CCLabelBMFont* label = CCLabelBMFont::create("", "NumFont.fnt");
    if (label == nullptr) {
        ClientLog::write("sign-in: NumFont.fnt cannot be read");
        return nullptr;
    }
    label->setAnchorPoint(ccp(0, 0.5f));
    label->setPosition(at);
    return label;
}

std::string helpText(int uiId) {
    for (const Explain& explain : GameData::instance().explains) {
        if (explain.uiId == uiId) return explain.explain;
    }
    return "";
}

} // namespace

CCScene* CSignLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CSignLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CSignLayer* CSignLayer::create() {
    auto* layer = new CSignLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CSignLayer::Create Error!");
    return nullptr;
}

UIWidget* CSignLayer::widget(const char* name) const {
    return m_uiRoot ? m_uiRoot->getWidgetByName(name) : nullptr;
}

void CSignLayer::onEnter() {
    CCLayer::onEnter();
    if (m_built) return;
    m_built = true;
    build();
    RequestCatalogue::signData({this, net_selector(CSignLayer::onSignData), net_selector(CSignLayer::onRequestFailed)});
    RequestCatalogue::luckData({this, net_selector(CSignLayer::onLuckData), net_selector(CSignLayer::onRequestFailed)});
    if (!StoredSettings::readBool(StoredSettings::guideKey("sign").c_str(), false)) {
        if (playGuide* guide = playGuide::create(kSignGuide)) addChild(guide, kGuideZ);
    } else {
        AccountPrompt::showIfDue(this, "signTip", kBoxZ);
    }
}

void CSignLayer::onExit() {
    // The animation does not hold its listener: it must not call a screen that is gone.
    if (m_reveal) m_reveal->getAnimation()->setMovementEventCallFunc(nullptr, nullptr);
    unschedule(schedule_selector(CSignLayer::revealTimedOut));
    // And the logo's colouring may load again.
    if (m_drawRunning) CCSpriteFrameCache::sharedSpriteFrameCache()->removeSpriteFramesFromFile("Armature1.plist");
    CCLayer::onExit();
}

void CSignLayer::wireButton(const char* name, SEL_TouchEvent handler) {
    UIWidget* button = widget(name);
    if (button == nullptr) {
        ClientLog::write("sign-in: sign.ExportJson has no %s", name);
        return;
    }
    button->setTouchEnabled(true);
    button->addTouchEventListener(this, handler);
}

void CSignLayer::build() {
    m_uiRoot = UILayer::create();
    addChild(m_uiRoot, 0);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("sign.ExportJson")) {
        m_uiRoot->addWidget(root);
    } else {
        ClientLog::write("sign-in: sign.ExportJson cannot be read");
    }

    if (UIWidget* host = widget("instructionlabel")) {
        if (CCLabelBMFont* label = CCLabelBMFont::create(text("SignInstruction").c_str(), "Chinese.fnt")) {
            host->addNode(label, 5);
        }
    }
    m_luckLabel = CCLabelBMFont::create(text("LuckSign").c_str(), "Chinese.fnt");
    if (m_luckLabel) {
        m_luckLabel->setColor(kGold);
        m_luckLabel->setPosition(ccp(760, 115));
        if (UIWidget* place = widget("lucksignlabel")) {
            place->setVisible(false);
            m_luckLabel->setPosition(place->getParent()->convertToWorldSpace(place->getPosition()));
        }
        m_luckLabel->setVisible(false);
        addChild(m_luckLabel, 2);
    }

    const UserInfo& user = GameData::instance().user;
    if ((m_score = numberLabel(ccp(110, 585)))) {
        m_score->setString(std::to_string(user.score).c_str());
        addChild(m_score, 2);
    }
    if ((m_money = numberLabel(ccp(390, 585)))) {
        m_money->setString(std::to_string(user.money).c_str());
        addChild(m_money, 2);
    }

    wireButton("instructionbtn", toucheventselector(CSignLayer::onExplainButton));
    wireButton("backbtn", toucheventselector(CSignLayer::onBack));
    wireButton("signbtn", toucheventselector(CSignLayer::onSignButton));
    wireButton("luckybtn", toucheventselector(CSignLayer::onLuckyButton));
    m_backButton = widget("backbtn");
    m_signButton = widget("signbtn");
    m_luckyButton = widget("luckybtn");
    m_explainButton = widget("instructionbtn");
    setLuckAvailable(false);
    // The award's frame waits empty-handed otherwise.
    if (UIWidget* frame = widget("awardbg")) frame->setVisible(false);

    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    m_calendar = CCalendar::create();
    if (m_calendar) {
        m_calendar->setPosition(ccp(window.width / 2, window.height / 2));
        addChild(m_calendar, 1);
    }
    if ((m_streak = numberLabel(ccp(window.width / 2 - 100, 80)))) addChild(m_streak, 2);
    m_dayWord = Pictures::sprite("day.png");
    m_dayWord->setScale(kWordScale);
    m_dayWord->setVisible(false);
    addChild(m_dayWord, 2);
}

void CSignLayer::onBack(CCObject*, TouchEventType type) {
    // Back answers the first touch, so a player stuck behind a slow answer can always leave.
    if (type == TOUCH_EVENT_BEGAN) SceneDirector::instance().switchTo(kMainScene);
}

void CSignLayer::onSignButton(CCObject*, TouchEventType type) {
    if (type == TOUCH_EVENT_ENDED) signToday();
}

void CSignLayer::onLuckyButton(CCObject*, TouchEventType type) {
    if (type == TOUCH_EVENT_ENDED) drawLuck();
}

void CSignLayer::onExplainButton(CCObject*, TouchEventType type) {
    if (type == TOUCH_EVENT_ENDED) showExplain();
}

void CSignLayer::showExplain() {
    // The target only lets the close button work.
    CTipBox* box = CTipBox::create("title_aignExplain.png", helpText(kSignHelpId), this, nullptr);
    if (box == nullptr) return;
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    box->setPosition(ccp(window.width / 2, window.height / 2));
    addChild(box, kBoxZ + 1);
}

void CSignLayer::showBox(const std::string& message) {
    CMyMessageBox* box =
        CMyMessageBox::create("", message, "", text("sure"), "", this, 0, nullptr, nullptr, nullptr, nullptr, false);
    if (box == nullptr) return;
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    box->setPosition(ccp(window.width / 2, window.height / 2));
    addChild(box, kBoxZ);
}

void CSignLayer::signToday() {
    if (m_signedToday) {
        showBox(text("Signed"));
        return;
    }
    if (m_signAsked) return;
    m_signAsked = true;
    RequestCatalogue::signIn({this, net_selector(CSignLayer::onSignDone), net_selector(CSignLayer::onSignFailed)});
    redrawStreak();
}

void CSignLayer::onSignFailed(int) { m_signAsked = false; }

void CSignLayer::onSignData(int code) {
    if (code != 0) {
        ClientLog::write("sign-in: the sign record was refused (%d)", code);
        return;
    }
    m_signedToday = GameData::instance().signInfo.isSigned != 0;
    applySignRecord();
}

void CSignLayer::onSignDone(int code) {
    m_signAsked = false;
    if (code != 0) {
        ClientLog::write("sign-in: the sign-in was refused (%d)", code);
        return;
    }
    const GameData& data = GameData::instance();
    m_signedToday = data.signInfo.isSigned != 0;
    applySignRecord();
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    flyIndicator(data.lastAddScore, AddCarrot::kScoreCarrot, m_score, ccp(window.width / 2 - 50, window.height / 2));
    flyIndicator(data.signInfo.addMoney, AddCarrot::kMoneyCarrot, m_money,
                 ccp(window.width / 2 + 50, window.height / 2));
}

void CSignLayer::flyIndicator(int amount, int kind, CCLabelBMFont* target, const CCPoint& at) {
    if (amount == 0 || target == nullptr) return;
    if (amount < 0) {
        ClientLog::write("sign-in: a reward of %d is no reward, nothing flies", amount);
        return;
    }
    if (AddCarrot* carrot = AddCarrot::create(amount, kind, target)) {
        carrot->setPosition(at);
        addChild(carrot, kIndicatorZ);
    }
}

void CSignLayer::applySignRecord() {
    const SignInfo& info = GameData::instance().signInfo;
    m_haveSignRecord = true;
    if (m_calendar) {
        m_calendar->setYear(info.year);
        m_calendar->setMonth(info.month);
        m_calendar->setFirstColumn(info.week);
        m_calendar->setMask(info.days);
        m_calendar->refresh();
    }
    redrawStreak();
}

void CSignLayer::redrawStreak() {
    if (!m_haveSignRecord || m_streak == nullptr) return;
    int days = GameData::instance().signInfo.continuous;
    if (days < 0) {
        ClientLog::write("sign-in: a streak of %d days shown as 0", days);
        days = 0;
    }
    const CCPoint at = m_streak->getPosition();
    if (m_continueWord == nullptr) {
        m_continueWord = Pictures::sprite("continue.png");
        m_continueWord->setScale(kWordScale);
        addChild(m_continueWord, 2);
    }
    m_continueWord->setPosition(ccp(at.x - 110, at.y));
    m_streak->setString(std::to_string(days).c_str());
    const float right = at.x + m_streak->getContentSize().width * m_streak->getScaleX();
    m_dayWord->setPosition(ccp(right + 28, at.y));
    m_dayWord->setVisible(true);
}

void CSignLayer::setLuckAvailable(bool available) {
    if (m_luckyButton) {
        m_luckyButton->setVisible(available);
        m_luckyButton->setTouchEnabled(available);
    }
    if (m_luckLabel) m_luckLabel->setVisible(available);
}

void CSignLayer::drawLuck() {
    if (m_drawRunning || m_drawAsked) return;
    m_drawAsked = true;
    RequestCatalogue::luckSign({this, net_selector(CSignLayer::onLuckDone), net_selector(CSignLayer::onLuckFailed)});
}

void CSignLayer::onLuckFailed(int) { m_drawAsked = false; }

void CSignLayer::onLuckData(int code) {
    if (code != 0) {
        ClientLog::write("sign-in: the draw record was refused (%d)", code);
        return;
    }
    if (GameData::instance().signAward.isSigned == 0) setLuckAvailable(true);
    showAward();
}

void CSignLayer::onLuckDone(int code) {
    m_drawAsked = false;
    if (code != 0) {
        ClientLog::write("sign-in: the draw was refused (%d)", code);
        return;
    }
    if (m_drawRunning) return;
    m_drawRunning = true;
    startReveal();
}

void CSignLayer::startReveal() {
    // The logo drew the same picture names from its own sheet; the cache keeps the first of a name,
    // so that sheet goes for the draw's colouring to show.
    CCSpriteFrameCache::sharedSpriteFrameCache()->removeSpriteFramesFromFile("Armature.plist");
    CCArmatureDataManager::sharedArmatureDataManager()->addArmatureFileInfo("Armature1.png", "Armature1.plist",
                                                                            "BrindleAnimation.ExportJson");
    CCLayerColor* shade = CCLayerColor::create(ccc4(0, 0, 0, 150));
    addChild(shade, kRevealZ, kRevealTag);
    m_revealDone = false;
    m_reveal = CCArmature::create("BrindleAnimation");
    if (m_reveal == nullptr) {
        ClientLog::write("sign-in: the armature BrindleAnimation is missing, the award shows at once");
        finishReveal();
        return;
    }
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    m_reveal->setPosition(ccp(window.width / 2, window.height / 2));
    shade->addChild(m_reveal, 1);
    CCArmatureAnimation* animation = m_reveal->getAnimation();
    animation->setMovementEventCallFunc(this, movementEvent_selector(CSignLayer::onRevealEvent));
    animation->playByIndex(0, -1, -1, -1, 10000);
    if (!animation->isPlaying()) {
        ClientLog::write("sign-in: the reveal does not play, the award shows at once");
        finishReveal();
        return;
    }
    scheduleOnce(schedule_selector(CSignLayer::revealTimedOut), kRevealLimitSeconds);
}

void CSignLayer::onRevealEvent(CCArmature*, MovementEventType type, const char*) {
    // The armature also reports the start; the award belongs to the end only, or the player would
    // see it (and the carrots fly) twice for one draw.
    if (type == START) return;
    finishReveal();
}

void CSignLayer::revealTimedOut(float) {
    ClientLog::write("sign-in: the reveal never reported its end");
    finishReveal();
}

void CSignLayer::finishReveal() {
    if (m_revealDone) return;
    m_revealDone = true;
    unschedule(schedule_selector(CSignLayer::revealTimedOut));
    if (m_reveal) {
        m_reveal->getAnimation()->setMovementEventCallFunc(nullptr, nullptr);
        m_reveal = nullptr;
    }
    removeChildByTag(kRevealTag, true);
    const SignAward& award = GameData::instance().signAward;
    if (award.isSigned != 0 && award.awardType == 0) {
        const CCSize window = CCDirector::sharedDirector()->getWinSize();
        const double amount = std::isfinite(award.awardScore) ? std::clamp(award.awardScore, -1e9, 1e9) : 0.0;
        flyIndicator(static_cast<int>(amount), AddCarrot::kScoreCarrot, m_score, ccp(window.width / 2, window.height / 2));
    }
    showAward();
}

std::string CSignLayer::awardText(const SignAward& award) {
    double amount = award.awardScore;
    if (!std::isfinite(amount) || std::fabs(amount) > 1e9) {
        ClientLog::write("sign-in: the award amount cannot be shown, 0 instead");
        amount = 0;
    }
    char number[48];
    switch (award.awardType) {
    case 0:
        if (amount < 0) {
            ClientLog::write("sign-in: an award of %.1f carrots, no award line", amount);
            return "";
        }
        std::snprintf(number, sizeof number, "+%d", static_cast<int>(amount));
        return number;
    case 1:
        std::snprintf(number, sizeof number, "X%0.1f", amount);
        return number + text("Multiple");
    default:
        ClientLog::write("sign-in: award kind %d is unknown, no award line", award.awardType);
        return "";
    }
}

void CSignLayer::showAward() {
    const SignAward& award = GameData::instance().signAward;
    if (award.isSigned == 0) return;
    setLuckAvailable(false);
    const std::string line = awardText(award);
    if (line.empty()) return;
    if (UIWidget* frame = widget("awardbg")) frame->setVisible(true);
    if (m_awardCarrot == nullptr) {
        m_awardCarrot = Pictures::sprite("common_huluobo.png");
        m_awardCarrot->setPosition(kAwardCarrotAt);
        addChild(m_awardCarrot, 3);
    }
    if (m_awardLabel == nullptr) {
        m_awardLabel = CCLabelBMFont::create("", "Chinese.fnt");
        if (m_awardLabel == nullptr) return;
        m_awardLabel->setColor(kGold);
        m_awardLabel->setPosition(kAwardTextAt);
        addChild(m_awardLabel, 3);
    }
    m_awardLabel->setString(line.c_str());
}

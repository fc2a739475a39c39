#include "quiz/CPlayLayer.h"

#include "app/ClientLog.h"
#include "app/LevelTitles.h"
#include "app/LocalText.h"
#include "app/Platform.h"
#include "app/SceneDirector.h"
#include "app/SoundManager.h"
#include "app/TextFormat.h"
#include "app/VideoPlayer.h"
#include "net/GameData.h"
#include "net/NetManager.h"
#include "net/RequestCatalogue.h"
#include "net/UserSession.h"
#include "quiz/CQuestionMission.h"
#include "quiz/QuestionStage.h"
#include "quiz/QuizData.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/Pictures.h"

#include "SimpleAudioEngine.h"

#include <algorithm>
#include <cstdlib>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kGuestAccount = 2;
constexpr int kChallengeScene = 28;
constexpr int kExamScene = 29;
constexpr int kBoxZ = 99;
constexpr int kPickerZ = 1;
constexpr int kTouchPriority = 1;
const ccColor3B kWarningTint = {255, 80, 30};

std::string text(const char* key) { return LocalText::instance().text(key); }

bool isContestScene(int id) { return id == 23 || id == 25 || id == 28 || id == 29; }

constexpr int kPauseZ = 300;
constexpr int kLeaveContestBoxTag = 101;
// Above the answer box (-1282) and the message boxes, so the menu works whatever it covers.
constexpr int kPauseTouchPriority = -1300;
const ccColor3B kButtonTextColour = {250, 200, 50};

// A "Chinese.fnt" title on a widget of the pause layout.
void labelWidget(UILayer* layout, const char* widgetName, const char* key, float scale) {
    UIWidget* widget = layout->getWidgetByName(widgetName);
    if (widget == nullptr) {
        ClientLog::write("pause menu: stopgame.ExportJson has no %s", widgetName);
        return;
    }
    CCLabelBMFont* label = CCLabelBMFont::create(text(key).c_str(), "Chinese.fnt");
    if (label == nullptr) return;
    label->setScale(scale);
    if (dynamic_cast<UIButton*>(widget)) label->setColor(kButtonTextColour);
    widget->addNode(label, 5);
}

CMyMessageBox* centredBox(CCNode* parent, CMyMessageBox* box) {
    if (box && parent) {
        const CCSize window = CCDirector::sharedDirector()->getWinSize();
        box->setPosition(ccp(window.width / 2, window.height / 2));
        parent->addChild(box, kBoxZ);
    }
    return box;
}

} // namespace

CCScene* CPlayLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CPlayLayer* layer = CPlayLayer::create()) {
        scene->addChild(layer);
    }
    return scene;
}

CPlayLayer* CPlayLayer::create() {
    auto* layer = new CPlayLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CPlayLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CPlayLayer::init() { return CCLayer::init(); }

// --- the host contract

void CPlayLayer::refreshHeader() {
    const UserInfo& user = GameData::instance().user;
    if (m_scoreLabel) m_scoreLabel->setString(std::to_string(user.score).c_str());
    if (m_moneyLabel) m_moneyLabel->setString(std::to_string(user.money).c_str());
    if (m_answeredLabel) {
        m_answeredLabel->setString(fillText(text("answerNum"), {std::to_string(user.answerCount)}).c_str());
    }
    resetClock();
}

void CPlayLayer::showTip(const std::string& tip) {
    if (m_tipLabel == nullptr) return;
    m_tipLabel->setColor(ccc3(0, 0, 0));
    m_tipLabel->setString(tip.c_str());
}

void CPlayLayer::showQuestionList(CCObject*, TouchEventType event) {
    if (event != TOUCH_EVENT_ENDED || getChildByTag(kQuestionPickerTag)) {
        return;
    }
    m_questionPicker = listView::create();
    if (m_questionPicker == nullptr) return;
    m_questionPicker->setDelegate(this);
    m_questionPicker->setContentSize(listView::sizeFor(listView::Question));
    m_questionPicker->fill(listView::Question, 0);
    m_questionPicker->setPosition(ccp(0, 20));
    addChild(m_questionPicker, kPickerZ, kQuestionPickerTag);
}

void CPlayLayer::startClock() {
    m_running = true;
    m_timedOut = false;
    m_ticking = true;
    schedule(schedule_selector(CPlayLayer::update), 1.0f);
    m_lowTimeFlag = true;
}

void CPlayLayer::timePenalty() {
    m_remaining = std::max(0, m_remaining - kPenaltySeconds);
    showRemaining();
}

void CPlayLayer::stopClock() {
    if (QuestionStage::instance().host()) stopTicking();
}

void CPlayLayer::onContestAnswer(int) {}

// --- the clock

CCLabelBMFont* CPlayLayer::numberLabel(const std::string& value) {
    CCLabelBMFont* label = CCLabelBMFont::create(value.c_str(), "NumFont.fnt");
    if (label == nullptr) ClientLog::write("play: NumFont.fnt cannot be read");
    return label;
}

void CPlayLayer::showRemaining() {
    if (m_remaining < 0) m_remaining = 0;
    if (m_clockLabel) m_clockLabel->setString(std::to_string(m_remaining).c_str());
}

void CPlayLayer::resetClock() {
    if (m_clockLabel) m_clockLabel->runAction(CCTintTo::create(0.1f, 255, 255, 255));
    m_remaining = kClockSeconds;
    // A new question shows its full time at once, not the last question's rest until the first tick.
    showRemaining();
}

void CPlayLayer::stopTicking() {
    unschedule(schedule_selector(CPlayLayer::update));
    m_ticking = false;
}

void CPlayLayer::endRun() {
    m_running = false;
    m_remaining = 0;
    showRemaining();
    stopTicking();
}

bool CPlayLayer::lockTimedOutQuestion() {
    if (QuestionStage::instance().current() == nullptr) return false;
    m_timedOut = true;
    stopTicking();
    return true;
}

void CPlayLayer::update(float) {
    if (m_remaining <= 0) {
        timeOut();
        endRun();
        return;
    }
    if (m_remaining <= kLowTimeSeconds) m_lowTimeFlag = false;
    m_remaining -= 1;
    if (m_remaining <= kWarningSeconds) {
        warnLowTime();
    }
    showRemaining();
}

void CPlayLayer::warnLowTime() {
    SoundManager::instance().playEffect("Carrot.mp3");
    if (m_clockLabel) {
        CCFiniteTimeAction* pulse =
            CCSequence::createWithTwoActions(CCScaleTo::create(0.2f, 3.0f), CCScaleTo::create(0.1f, 1.0f));
        CCFiniteTimeAction* tint = CCTintTo::create(0.1f, kWarningTint.r, kWarningTint.g, kWarningTint.b);
        m_clockLabel->runAction(CCSpawn::createWithTwoActions(pulse, tint));
    }
}

void CPlayLayer::timeOut() {
    if (!lockTimedOutQuestion()) return;
    CQuestionMission::instance()->submitAnswer("-1", 0, 0, -1);
}

// --- entering and leaving

void CPlayLayer::onEnter() {
    CCLayer::onEnter();
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, kTouchPriority, true);
    QuestionStage::instance().setHost(this);
    if (m_layout == nullptr) {
        buildScreen();
    }
    if (SoundManager::instance().isMusicOn()) {
        SoundManager::instance().playMusic("bgMusic_game.mp3", true);
    }
    NetManager::instance().setHeartbeatInterval(20.0f);
    startOrAsk();
}

void CPlayLayer::buildScreen() {
    m_layout = UILayer::create();
    addChild(m_layout, 0);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("play.ExportJson")) {
        m_layout->addWidget(root);
    } else {
        ClientLog::write("play: play.ExportJson cannot be read");
    }
    m_backButton = m_layout->getWidgetByName("backbtn");
    if (m_backButton) {
        m_backButton->setTouchEnabled(true);
        m_backButton->addTouchEventListener(this, toucheventselector(CPlayLayer::onButton));
    } else {
        ClientLog::write("play: play.ExportJson has no backbtn");
    }
    if (UIWidget* list = m_layout->getWidgetByName("listbtn")) {
        list->addTouchEventListener(this, toucheventselector(CPlayLayer::showQuestionList));
    }
    for (const char* name : {"listbtn", "teststopbtn"}) {
        if (UIWidget* w = m_layout->getWidgetByName(name)) {
            w->setTouchEnabled(false);
            w->setVisible(false);
        }
    }
    buildHeader();

    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    m_tipLabel = Pictures::label("", 27, CCSizeMake(window.width - 370, 0), kCCTextAlignmentCenter);
    m_tipLabel->setColor(ccc3(0, 0, 0));
    m_tipLabel->setPosition(ccp(window.width / 2 + 20, window.height / 2 + 210));
    addChild(m_tipLabel, 1);
}

void CPlayLayer::buildHeader() {
    const UserInfo& user = GameData::instance().user;
    m_scoreLabel = numberLabel(std::to_string(user.score));
    m_moneyLabel = numberLabel(std::to_string(user.money));
    const std::pair<CCLabelBMFont*, CCPoint> places[2] = {{m_scoreLabel, ccp(335, 583)}, {m_moneyLabel, ccp(650, 583)}};
    for (const auto& [label, at] : places) {
        if (label == nullptr) continue;
        label->setAnchorPoint(ccp(0, 0));
        label->setPosition(at);
        addChild(label, 1);
    }
    CCSprite* levelTitle = Pictures::sprite(levelTitleImage(user.level));
    levelTitle->setPosition(ccp(55, 590));
    addChild(levelTitle, 1);

    m_remaining = kClockSeconds;
    m_clockLabel = numberLabel(std::to_string(kClockSeconds));
    if (m_clockLabel) {
        m_clockLabel->setPosition(ccp(125, 550));
        addChild(m_clockLabel, 1);
    }
    m_answeredLabel = numberLabel(std::to_string(user.answerCount));
    CCSprite* answeredTitle = Pictures::sprite("title_yidati.png");
    answeredTitle->setScale(0.3f);
    answeredTitle->setPosition(ccp(230 - 60, 605));
    addChild(answeredTitle, 1);
    if (m_answeredLabel) {
        m_answeredLabel->setPosition(ccp(230, 605));
        addChild(m_answeredLabel, 1);
        const int previous = SceneDirector::instance().previousSceneId();
        if (previous == kChallengeScene || previous == kExamScene) {
            // Filled in by the contest scene as "done/total" once it knows the count; no raw marks
            // meanwhile, and no "answered" title for the wider text to run into.
            m_answeredLabel->setString(fillText(text("OnePerAll"), {"0", "0"}).c_str());
            answeredTitle->setVisible(false);
            m_answeredLabel->setPositionX(195);
        }
    }
}

void CPlayLayer::onEnterTransitionDidFinish() {
    CCLayer::onEnterTransitionDidFinish();
    setKeypadEnabled(true);
}

void CPlayLayer::onExit() {
    CCLayer::onExit();
    setKeypadEnabled(false);
    CCDirector::sharedDirector()->getTouchDispatcher()->removeDelegate(this);
    stopTicking();
    // A scene entering through a fade enters before this one leaves: only the stage's own host resets it.
    if (QuestionStage::instance().host() == this) {
        QuestionStage::instance().reset();
    }
    if (SoundManager::instance().isMusicOn()) {
        SoundManager::instance().playMusic("bgMusic_main.mp3", true);
    }
}

bool CPlayLayer::ccTouchBegan(CCTouch*, CCEvent*) { return false; }

void CPlayLayer::startOrAsk() {
    UserSession& session = UserSession::instance();
    CMyMessageBox* box = nullptr;
    if (session.accountKind() == kGuestAccount) {
        box = CMyMessageBox::create(text("FriendlyTip"), text("notLoginTip"), text("sure"), text("cancel"), "", this, 0,
                                    callfunc_selector(CPlayLayer::openUserInfo),
                                    callfunc_selector(CPlayLayer::startRun), nullptr, nullptr, false);
    } else if (!session.isRegistered()) {
        box = CMyMessageBox::create("", text("signTip"), text("RegisterNow"), text("nextTime"), "", this, 0,
                                    callfunc_selector(CPlayLayer::openRegistration),
                                    callfunc_selector(CPlayLayer::startRun), nullptr, nullptr, false);
    } else {
        startRun();
        return;
    }
    if (box) {
        box->setPosition(ccp(480, 320));
        addChild(box, kBoxZ);
    } else {
        startRun();
    }
}

void CPlayLayer::startRun() { CQuestionMission::instance()->start(0); }
void CPlayLayer::openUserInfo() { SceneDirector::instance().showUserInfo(); }
void CPlayLayer::openRegistration() { SceneDirector::instance().showRegister(); }

// --- the question-number picker

void CPlayLayer::onListChosen(int, std::string) {}

void CPlayLayer::onQuestionChosen(int, std::string chosen) {
    if (CCNode* picker = getChildByTag(kQuestionPickerTag)) {
        // The picker is still inside its own choose(): it lives until the frame ends.
        picker->retain();
        picker->autorelease();
        removeChild(picker, true);
    }
    m_questionPicker = nullptr;
    const int n = std::atoi(chosen.c_str());
    QuizData& quiz = QuizData::instance();
    quiz.currentQsid = n;
    if (m_layout) {
        if (auto* label = dynamic_cast<UILabel*>(m_layout->getWidgetByName("questionlabel"))) {
            const std::string line =
                fillText(text("questionList"), {std::to_string(n), std::to_string(quiz.secondList.size())});
            label->setText(line.c_str());
        }
    }
    RequestCatalogue::questionFromListPage(
        n - 1, GameData::instance().date,
        {CQuestionMission::instance(), net_selector(CQuestionMission::MsgResponseQuestionData),
         net_selector(CQuestionMission::onRequestFailed)});
}

// --- the pause menu, the back key and the share prompt

void CPlayLayer::keyBackClicked() {
    if (getChildByTag(kPauseTag)) {
        return;
    }
    openPauseMenu();
}

void CPlayLayer::onButton(CCObject* sender, TouchEventType type) {
    if (type == TOUCH_EVENT_ENDED && sender == m_backButton) {
        openPauseMenu();
    }
}

void CPlayLayer::openPauseMenu() {
    const int previous = SceneDirector::instance().previousSceneId();
    if (isContestScene(previous)) {
        // One question at a time, however often the back key is pressed.
        if (getChildByTag(kLeaveContestBoxTag)) return;
        m_contestScene = previous;
        CMyMessageBox* box = centredBox(
            this, CMyMessageBox::create("", text("HDPlayLayerBackToMain"), text("sure"), text("cancel"), "", this, 0,
                                        callfunc_selector(CPlayLayer::confirmBackToContest), nullptr, nullptr,
                                        nullptr, false));
        if (box) box->setTag(kLeaveContestBoxTag);
        return;
    }
    if (getChildByTag(kPauseTag)) {
        return;
    }
    // Only a clock that was running comes back on "GoOnGame": a question still loading or already
    // answered must not start timing out behind the menu.
    m_resumeClock = m_ticking;
    stopTicking();

    UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("stopgame.ExportJson");
    m_pauseLayout = UILayer::create();
    if (root == nullptr || m_pauseLayout == nullptr) {
        ClientLog::write("pause menu: stopgame.ExportJson cannot be read");
        m_pauseLayout = nullptr;
        resumeAfterPause();
        return;
    }
    m_pauseLayout->setTouchPriority(kPauseTouchPriority);
    m_pauseLayout->addWidget(root);
    addChild(m_pauseLayout, kPauseZ, kPauseTag);
    // A video question's film floats above the whole scene: it steps aside for the menu.
    Platform::current().videoPlayer().pauseVideo(true);
    labelWidget(m_pauseLayout, "stoplabel", "pause", 1.0f);
    labelWidget(m_pauseLayout, "goongamebtn", "GoOnGame", 1.2f);
    labelWidget(m_pauseLayout, "backtomainbtn", "BackToMain", 1.2f);
    labelWidget(m_pauseLayout, "sharebtn", "Share", 1.2f);
    labelWidget(m_pauseLayout, "storebtn", "Store", 1.2f);
    if (UIWidget* hot = m_pauseLayout->getWidgetByName("hotlabel")) {
        hot->addNode(Pictures::sprite("common_hot.png"), 5);
    }
    for (const char* name : {"goongamebtn", "backtomainbtn", "sharebtn", "storebtn"}) {
        if (UIWidget* button = m_pauseLayout->getWidgetByName(name)) {
            button->setTouchEnabled(true);
            button->addTouchEventListener(this, toucheventselector(CPlayLayer::onPauseButton));
        }
    }
}

void CPlayLayer::onPauseButton(CCObject* sender, TouchEventType type) {
    auto* widget = dynamic_cast<UIWidget*>(sender);
    if (widget == nullptr || type != TOUCH_EVENT_ENDED) {
        return;
    }
    const std::string name = widget->getName();
    if (name == "goongamebtn") {
        resumePlay();
    } else if (name == "backtomainbtn") {
        backToMain();
    } else if (name == "sharebtn") {
        share();
    } else if (name == "storebtn") {
        openStore();
    }
}

void CPlayLayer::closePauseMenu() {
    if (CCNode* menu = getChildByTag(kPauseTag)) {
        // Its own button may be what closes it: it lives until the frame ends.
        menu->retain();
        menu->autorelease();
        removeChild(menu, true);
    }
    m_pauseLayout = nullptr;
}

void CPlayLayer::resumePlay() {
    closePauseMenu();
    CQuestionLayer* screen = QuestionStage::instance().current();
    if (screen && !screen->isAnswered()) {
        Platform::current().videoPlayer().pauseVideo(false);
    }
    resumeAfterPause();
    CocosDenshion::SimpleAudioEngine::sharedEngine()->resumeBackgroundMusic();
}

void CPlayLayer::resumeAfterPause() {
    if (!m_resumeClock) {
        return;
    }
    m_resumeClock = false;
    QuestionStage::instance().setAnswered(false);
    m_running = true;
    startClock();
}

void CPlayLayer::backToMain() { SceneDirector::instance().showMain(); }
void CPlayLayer::openStore() { SceneDirector::instance().showStore(); }

void CPlayLayer::confirmBackToContest() { SceneDirector::instance().switchTo(m_contestScene); }

void CPlayLayer::share() {
    // The share text and picture are what other platforms hand to their share box; here the prompt
    // only tells the player how to share.
    const std::string appName = text("AppName");
    m_shareText = appName + fillText(text("SharePlay"), {appName, text("gameUrl")}) + "\n" + text("gameUrl");
    saveScreenshot();
    closePauseMenu();
    centredBox(this, CMyMessageBox::create("", text("ShareTip"), text("waitNext"), "", "", this, 0,
                                           callfunc_selector(CPlayLayer::resumePlay), nullptr, nullptr, nullptr,
                                           false));
}

void CPlayLayer::saveScreenshot() {
    CCScene* scene = CCDirector::sharedDirector()->getRunningScene();
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    CCRenderTexture* texture =
        CCRenderTexture::create(static_cast<int>(window.width), static_cast<int>(window.height));
    if (scene == nullptr || texture == nullptr) {
        ClientLog::write("share: no screenshot taken");
        return;
    }
    texture->begin();
    scene->visit();
    texture->end();
    if (!texture->saveToFile("cocos2d-x-screenshot.png", kCCImageFormatPNG)) {
        ClientLog::write("share: cocos2d-x-screenshot.png could not be saved");
    }
}

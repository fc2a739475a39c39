#include "menu/CTreasureLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/SoundManager.h"
#include "menu/CaidanFrames.h"
#include "net/GameData.h"
#include "net/RequestCatalogue.h"
#include "net/UserSession.h"
#include "quiz/AddCarrot.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/CTipBox.h"
#include "widgets/Pictures.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <random>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kMainScene = 2, kTreasureScene = 7, kCollectionScene = 8;
constexpr int kUserScene = 13, kRegisterScene = 14;
constexpr int kGuestAccount = 2;
constexpr int kHeaderZ = 3;

std::string text(const char* key) { return LocalText::instance().text(key); }

CTreasureFigure::Random clockSeeded() {
    auto engine = std::make_shared<std::minstd_rand>(static_cast<unsigned>(std::time(nullptr)));
    return [engine] { return static_cast<unsigned>((*engine)()); };
}

// A widget's box in world space, as drawn (its own scale included).
CCRect worldBox(UIWidget* widget) {
    const CCRect local = widget->getLocalBounds();
    const CCPoint a = widget->convertToWorldSpace(local.origin);
    const CCPoint b = widget->convertToWorldSpace(ccp(local.getMaxX(), local.getMaxY()));
    return CCRectMake(std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x), std::abs(b.y - a.y));
}

CCLabelBMFont* numberLabel(int value, const CCPoint& at) {
    CCLabelBMFont* label = CCLabelBMFont::create(std::to_string(value).c_str(), "NumFont.fnt");
    if (label == nullptr) {
        ClientLog::write("treasure: NumFont.fnt cannot be read");
        return nullptr;
    }
    label->setAnchorPoint(ccp(0, 0.5f));
    label->setPosition(at);
    return label;
}

} // namespace

CCScene* CTreasureLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CTreasureLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CTreasureLayer* CTreasureLayer::create() {
    auto* layer = new CTreasureLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CTreasureLayer::Create Error!");
    return nullptr;
}

UIWidget* CTreasureLayer::widget(const char* name) const {
    return m_uiRoot ? m_uiRoot->getWidgetByName(name) : nullptr;
}

void CTreasureLayer::onEnter() {
    CCLayer::onEnter();
    setKeypadEnabled(true);
    if (m_built) return;
    m_built = true;
    if (!m_random) m_random = clockSeeded();
    build();
    RequestCatalogue::treasureData({this, net_selector(CTreasureLayer::onTreasureOffer),
                                    net_selector(CTreasureLayer::onRequestFailed)});
    addHeader();
    askAboutAccount();
}

void CTreasureLayer::onExit() {
    setKeypadEnabled(false);
    CCDirector::sharedDirector()->getTouchDispatcher()->removeDelegate(this);
    CCLayer::onExit();
}

void CTreasureLayer::keyBackClicked() { SceneDirector::instance().switchTo(kMainScene); }

void CTreasureLayer::build() {
    CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile("Caidan.plist");
    m_uiRoot = UILayer::create();
    addChild(m_uiRoot, 0, kUiRootTag);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("caidan.ExportJson")) {
        m_uiRoot->addWidget(root);
    } else {
        ClientLog::write("treasure: caidan.ExportJson cannot be read");
    }
    for (const char* name : {"backbtn", "mycollectionbtn", "treasureinsbtn"}) wireButton(name);
    replaceLabel("mycollectionlabel", "myCollection");
    replaceLabel("treasureinslabel", "TreasureInstruction");
    // Figures never start on the buttons that lead away.
    for (const char* name : {"backbtn", "mycollectionbtn"}) {
        if (UIWidget* button = widget(name)) m_obstacles.push_back(worldBox(button));
    }
}

void CTreasureLayer::wireButton(const char* name) {
    UIWidget* button = widget(name);
    if (button == nullptr) {
        ClientLog::write("treasure: caidan.ExportJson has no %s", name);
        return;
    }
    button->setTouchEnabled(true);
    button->addTouchEventListener(this, toucheventselector(CTreasureLayer::onButton));
}

void CTreasureLayer::replaceLabel(const char* widgetName, const char* key) {
    UIWidget* placeholder = widget(widgetName);
    if (placeholder == nullptr) {
        ClientLog::write("treasure: caidan.ExportJson has no %s", widgetName);
        return;
    }
    placeholder->setVisible(false);
    CCLabelBMFont* label = CCLabelBMFont::create(text(key).c_str(), "Chinese.fnt");
    if (label == nullptr) {
        ClientLog::write("treasure: Chinese.fnt cannot be read");
        return;
    }
    label->setPosition(placeholder->getParent() ? placeholder->getParent()->convertToWorldSpace(placeholder->getPosition())
                                                : placeholder->getPosition());
    addChild(label, kHeaderZ);
}

void CTreasureLayer::addHeader() {
    const UserInfo& user = GameData::instance().user;
    m_oldScore = user.score;
    m_oldMoney = user.money;
    CCSprite* carrot = Pictures::sprite("common_huluobo.png");
    carrot->setScale(0.78f);
    carrot->setPosition(ccp(50, 600));
    addChild(carrot, kHeaderZ);
    CCSprite* gold = Pictures::sprite("common_jinluobo.png");
    gold->setScale(0.75f);
    gold->setPosition(ccp(250, 595));
    addChild(gold, kHeaderZ);
    m_scoreLabel = numberLabel(m_oldScore, ccp(80, 600));
    if (m_scoreLabel) addChild(m_scoreLabel, kHeaderZ);
    m_moneyLabel = numberLabel(m_oldMoney, ccp(290, 600));
    if (m_moneyLabel) addChild(m_moneyLabel, kHeaderZ);
}

void CTreasureLayer::askAboutAccount() {
    const UserSession& session = UserSession::instance();
    CMyMessageBox* box = nullptr;
    if (session.storedUserName().empty()) {
        box = CMyMessageBox::create("", text("signTip"), text("RegisterNow"), "", text("nextTime"), this, 0,
                                    callfunc_selector(CTreasureLayer::goRegister), nullptr, nullptr, nullptr, false);
        m_canTake = true;
    } else if (session.accountKind() == kGuestAccount) {
        // The account on this machine is not the one playing: what is dug would go to the guest.
        box = CMyMessageBox::create(text("FriendlyTip"), text("notLoginTip"), text("sure"), "", text("cancel"), this,
                                    0, callfunc_selector(CTreasureLayer::goUserScreen), nullptr, nullptr, nullptr,
                                    false);
        m_canTake = false;
    } else {
        m_canTake = true;
    }
    if (box) {
        box->setPosition(ccp(480, 320));
        addChild(box, kBoxZ, kAccountBoxTag);
    }
    if (m_canTake) setTouchEnabled(true);
}

void CTreasureLayer::registerWithTouchDispatcher() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, 0, true);
}

void CTreasureLayer::onButton(CCObject* sender, TouchEventType type) {
    auto* button = dynamic_cast<UIWidget*>(sender);
    if (button == nullptr || type != TOUCH_EVENT_ENDED) return;
    const std::string name = button->getName();
    if (name == "backbtn") {
        SceneDirector::instance().switchTo(kMainScene);
    } else if (name == "mycollectionbtn") {
        if (!SceneDirector::instance().switchTo(kCollectionScene)) {
            ClientLog::write("treasure: the collection is not available");
        }
    } else if (name == "treasureinsbtn") {
        showExplain();
    }
}

void CTreasureLayer::showExplain() {
    std::string help;
    bool found = false;
    for (const Explain& explain : GameData::instance().explains) {
        if (explain.uiId == kHelpUiId) {
            help = explain.explain;
            found = true;
            break;
        }
    }
    if (!found) ClientLog::write("treasure: no help text for ui %d", kHelpUiId);
    // The box closes only through a target; it has nothing to call back.
    CTipBox* box = CTipBox::create("title_cangbaoExplain.png", help, this, nullptr);
    if (box == nullptr) return;
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    box->setPosition(ccp(size.width / 2, size.height / 2));
    addChild(box, kBoxZ);
}

void CTreasureLayer::goRegister() { SceneDirector::instance().switchTo(kRegisterScene); }

void CTreasureLayer::goUserScreen() { SceneDirector::instance().switchTo(kUserScene); }

void CTreasureLayer::onTreasureOffer(int code) {
    if (code != 0) {
        ClientLog::write("treasure: the server refused today's treasure (%d)", code);
        return;
    }
    if (SceneDirector::instance().currentSceneId() != kTreasureScene) return;
    const TreasureResult& offer = GameData::instance().treasure;
    if (!CaidanFrames::isKnownKind(offer.index) || offer.value < 1) {
        ClientLog::write("treasure: nothing to show for index %d value %d", offer.index, offer.value);
        return;
    }
    m_kind = offer.index;
    CTreasureFigure* figure = CTreasureFigure::create(offer.index, offer.value, m_obstacles, m_random);
    if (figure == nullptr) return;
    addChild(figure, kFigureZ);
    m_figures.push_back(figure);
}

bool CTreasureLayer::ccTouchBegan(CCTouch* touch, CCEvent*) {
    const CCPoint at = convertTouchToNodeSpace(touch);
    for (CTreasureFigure* figure : m_figures) {
        if (figure->boundingBox().containsPoint(at)) {
            SoundManager::instance().playEffect("buttonT.mp3");
            m_touched = figure;
            return true;
        }
    }
    return false;
}

void CTreasureLayer::ccTouchEnded(CCTouch*, CCEvent*) {
    CTreasureFigure* figure = m_touched;
    m_touched = nullptr;
    if (figure) dig(figure);
}

void CTreasureLayer::ccTouchCancelled(CCTouch*, CCEvent*) { m_touched = nullptr; }

void CTreasureLayer::dig(CTreasureFigure* figure) {
    auto it = std::find(m_figures.begin(), m_figures.end(), figure);
    if (it == m_figures.end()) return;
    m_figures.erase(it);
    figure->removeFromParentAndCleanup(true);
    RequestCatalogue::treasureOpen({this, net_selector(CTreasureLayer::onDigResult),
                                    net_selector(CTreasureLayer::onRequestFailed)});
}

void CTreasureLayer::onDigResult(int code) {
    if (code != 0) {
        // Nothing was booked (dug already today): the header stays as it was.
        ClientLog::write("treasure: the server refused the dig (%d)", code);
        return;
    }
    const UserInfo& user = GameData::instance().user;
    if (m_scoreLabel) m_scoreLabel->setString(std::to_string(user.score).c_str());
    if (m_moneyLabel) m_moneyLabel->setString(std::to_string(user.money).c_str());
    AddCarrot* reward = nullptr;
    if (m_kind == CaidanFrames::kScoreCarrot && m_scoreLabel && user.score > m_oldScore) {
        reward = AddCarrot::create(user.score - m_oldScore, AddCarrot::kScoreCarrot, m_scoreLabel);
    } else if (m_kind == CaidanFrames::kGoldCarrot && m_moneyLabel && user.money > m_oldMoney) {
        reward = AddCarrot::create(user.money - m_oldMoney, AddCarrot::kMoneyCarrot, m_moneyLabel);
    }
    m_oldScore = user.score;
    m_oldMoney = user.money;
    if (reward) {
        const CCSize size = CCDirector::sharedDirector()->getWinSize();
        reward->setPosition(ccp(size.width / 2, size.height / 2));
        addChild(reward, kBoxZ - 1);
    }
}

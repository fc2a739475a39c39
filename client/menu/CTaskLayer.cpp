#include "menu/CTaskLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "menu/CDoneAchieveCell.h"
#include "net/GameData.h"
#include "net/RequestCatalogue.h"
#include "net/UserSession.h"
#include "quiz/AddCarrot.h"
#include "widgets/CMessageBox.h"
#include "widgets/CMyMessageBox.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kMainScene = 2, kUserScene = 13, kRegisterScene = 14;
constexpr float kTableWidth = 770, kTableHeight = 390;
constexpr float kNumberScale = 0.8f;
const CCPoint kCentre = ccp(480, 320);

std::string text(const char* key) { return LocalText::instance().text(key); }

} // namespace

CCScene* CTaskLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CTaskLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CTaskLayer* CTaskLayer::create() {
    auto* layer = new CTaskLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CTaskLayer::Create Error!");
    return nullptr;
}

UIWidget* CTaskLayer::widget(const char* name) const { return m_ui ? m_ui->getWidgetByName(name) : nullptr; }

bool CTaskLayer::onStage() const { return SceneDirector::instance().currentSceneId() == kScene; }

const std::vector<AchievementItem>& CTaskLayer::shownList() const {
    const GameData& data = GameData::instance();
    return m_tab == kFinished ? data.achievementsFinished : data.achievementsInProgress;
}

void CTaskLayer::onEnter() {
    CCLayer::onEnter();
    CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile("Achievement.plist", "Achievement.png");
    if (m_built) return;
    m_built = true;
    build();
    // The marker follows the list it stands for from the start, also when the list never comes.
    showTab(m_tab);
    reload();
    requestList();
    showAccountBox();
}

void CTaskLayer::onExit() {
    CCLayer::onExit();
    CCSpriteFrameCache::sharedSpriteFrameCache()->removeSpriteFramesFromFile("Achievement.plist");
    CCDirector::sharedDirector()->getTouchDispatcher()->removeDelegate(this);
    setTouchEnabled(false);
}

void CTaskLayer::build() {
    m_ui = UILayer::create();
    addChild(m_ui, 0, kUiTag);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("task.ExportJson")) {
        m_ui->addWidget(root);
    } else {
        ClientLog::write("task: task.ExportJson cannot be read");
    }
    wireButton("taskBackBtn", toucheventselector(CTaskLayer::onBack));

    m_table = CCTableView::create(this, CCSizeMake(kTableWidth, kTableHeight));
    m_table->setDirection(kCCScrollViewDirectionVertical);
    m_table->setVerticalFillOrder(kCCTableViewFillTopDown);
    m_table->setDelegate(this);
    m_table->setPosition(ccp(90, 70));
    addChild(m_table, 2);

    wireButton("taskLeftBtn", toucheventselector(CTaskLayer::onFinishedTab));
    if (CCLabelBMFont* done = addCaption("AchieveDone", ccp(290, 490))) done->setAnchorPoint(CCPointZero);
    wireButton("taskRightBtn", toucheventselector(CTaskLayer::onInProgressTab));
    if (CCLabelBMFont* doing = addCaption("AchieveDoing", ccp(568, 488))) doing->setAnchorPoint(CCPointZero);

    m_leftMarker = widget("taskLeftBtnBg");
    m_rightMarker = widget("taskRightBtnBg");
    if (!m_leftMarker || !m_rightMarker) ClientLog::write("task: task.ExportJson lacks a tab marker");

    const UserInfo& user = GameData::instance().user;
    m_scoreLabel = addNumber(user.score, ccp(220, 590));
    m_moneyLabel = addNumber(user.money, ccp(550, 590));
}

void CTaskLayer::wireButton(const char* name, SEL_TouchEvent handler) {
    UIWidget* w = widget(name);
    if (w == nullptr) {
        ClientLog::write("task: task.ExportJson has no %s", name);
        return;
    }
    w->setTouchEnabled(true);
    w->addTouchEventListener(this, handler);
}

CCLabelBMFont* CTaskLayer::addCaption(const char* key, const CCPoint& at) {
    CCLabelBMFont* label = CCLabelBMFont::create(text(key).c_str(), "Chinese.fnt");
    if (label == nullptr) {
        ClientLog::write("task: no caption font for %s", key);
        return nullptr;
    }
    label->setPosition(at);
    addChild(label, 3);
    return label;
}

CCLabelBMFont* CTaskLayer::addNumber(int value, const CCPoint& at) {
    CCLabelBMFont* label = CCLabelBMFont::create(std::to_string(value).c_str(), "NumFont.fnt");
    if (label == nullptr) {
        ClientLog::write("task: no number font");
        return nullptr;
    }
    label->setAnchorPoint(ccp(0, 0.5f));
    label->setScale(kNumberScale);
    label->setPosition(at);
    addChild(label, 3);
    return label;
}

void CTaskLayer::showAccountBox() {
    UserSession& session = UserSession::instance();
    CMyMessageBox* box = nullptr;
    if (session.storedUserName().empty()) {
        box = CMyMessageBox::create("", text("taskTip"), text("RegisterNow"), "", text("nextTime"), this, 0,
                                    callfunc_selector(CTaskLayer::goRegister), nullptr,
                                    callfunc_selector(CTaskLayer::goMain), nullptr, false);
    } else if (session.accountKind() == 2) {
        box = CMyMessageBox::create(text("FriendlyTip"), text("notLoginTip"), text("sure"), "", text("cancel"), this,
                                    0, callfunc_selector(CTaskLayer::goUserScreen), nullptr,
                                    callfunc_selector(CTaskLayer::closeBox), nullptr, false);
    }
    if (box == nullptr) return;
    box->setPosition(kCentre);
    addChild(box, kBoxZ);
}

void CTaskLayer::goRegister() { SceneDirector::instance().switchTo(kRegisterScene); }
void CTaskLayer::goUserScreen() { SceneDirector::instance().switchTo(kUserScene); }
void CTaskLayer::goMain() { SceneDirector::instance().switchTo(kMainScene); }

void CTaskLayer::onEnterTransitionDidFinish() {
    CCLayer::onEnterTransitionDidFinish();
    setKeypadEnabled(true);
}

void CTaskLayer::onExitTransitionDidStart() {
    CCLayer::onExitTransitionDidStart();
    setKeypadEnabled(false);
}

void CTaskLayer::keyBackClicked() { goMain(); }

void CTaskLayer::onBack(CCObject*, TouchEventType type) {
    if (type == TOUCH_EVENT_ENDED) goMain();
}

void CTaskLayer::onFinishedTab(CCObject*, TouchEventType type) {
    if (type != TOUCH_EVENT_ENDED) return;
    m_tab = kFinished;
    showTab(m_tab);
    reload();
}

void CTaskLayer::onInProgressTab(CCObject*, TouchEventType type) {
    // This tab answers as soon as the finger lands; the later phases would only repeat it.
    if (type != TOUCH_EVENT_BEGAN) return;
    m_tab = kInProgress;
    showTab(m_tab);
    reload();
}

void CTaskLayer::showTab(int tab) {
    if (m_leftMarker) m_leftMarker->setVisible(tab == kFinished);
    if (m_rightMarker) m_rightMarker->setVisible(tab == kInProgress);
}

void CTaskLayer::reload() {
    if (m_table) m_table->reloadData();
}

void CTaskLayer::requestList() {
    // The status handler is what makes the server link show its network box when the list fails.
    RequestCatalogue::achievementList({this, net_selector(CTaskLayer::onTaskList), net_selector(CTaskLayer::onListFailed)});
}

void CTaskLayer::onListFailed(int status) { ClientLog::write("task: the list exchange failed (status %d)", status); }

void CTaskLayer::onTaskList(int code) {
    if (!onStage()) return;
    if (code == 0) {
        showTab(m_tab);
        // The list now says which prizes were taken.
        m_claimed.clear();
    } else {
        ClientLog::write("task: the server refused the achievement list (%d)", code);
    }
    reload();
}

void CTaskLayer::requestClaim(int achievementId) {
    if (!m_claimed.insert(achievementId).second) return;
    RequestCatalogue::claimAchievement(achievementId, {this, net_selector(CTaskLayer::onClaimAnswer),
                                                       net_selector(CTaskLayer::onClaimFailed)});
}

void CTaskLayer::onClaimAnswer(int code) {
    if (!onStage()) return;
    if (code == 0) {
        showTab(m_tab);
        const int amount = GameData::instance().lastAddScore;
        if (amount > 0 && m_scoreLabel) {
            if (AddCarrot* carrot = AddCarrot::create(amount, AddCarrot::kScoreCarrot, m_scoreLabel)) {
                carrot->setPosition(kCentre);
                addChild(carrot, kCarrotZ);
            }
        } else if (m_scoreLabel) {
            m_scoreLabel->setString(std::to_string(GameData::instance().user.score).c_str());
        }
    } else {
        // Refused (unknown, not finished, taken already): say so, and let the list catch up with
        // the server, which knows better than the row the player pressed.
        ClientLog::write("task: the server refused the claim (%d)", code);
        showClaimFailed();
        requestList();
    }
    if (m_table) {
        const CCPoint offset = m_table->getContentOffset();
        reload();
        m_table->setContentOffset(offset);
    }
}

void CTaskLayer::onClaimFailed(int status) {
    if (!onStage()) return;
    ClientLog::write("task: the exchange failed (status %d)", status);
    showClaimFailed();
}

void CTaskLayer::showClaimFailed() {
    CMessageBox* box = CMessageBox::create("", text("TakeAchieveFailed"), this,
                                           callfunc_selector(CTaskLayer::closeBox),
                                           callfunc_selector(CTaskLayer::closeBox));
    if (box == nullptr) return;
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    box->setPosition(ccp(size.width / 2, size.height / 2));
    // Over the server link's own network box (z 99 on the scene), so this, the more telling one,
    // is read first.
    CCNode* host = getParent() ? getParent() : this;
    host->addChild(box, kFailBoxZ);
}

unsigned int CTaskLayer::numberOfCellsInTableView(CCTableView*) {
    return static_cast<unsigned int>(shownList().size());
}

CCSize CTaskLayer::cellSizeForTable(CCTableView*) {
    return CCSizeMake(CDoneAchieveCell::kWidth, CDoneAchieveCell::kHeight);
}

CCTableViewCell* CTaskLayer::tableCellAtIndex(CCTableView* table, unsigned int idx) {
    auto* cell = dynamic_cast<CDoneAchieveCell*>(table->dequeueCell());
    if (cell == nullptr) cell = CDoneAchieveCell::create(this);
    if (cell == nullptr) return CCTableViewCell::create();
    const std::vector<AchievementItem>& list = shownList();
    if (idx < list.size()) cell->fill(list[idx], m_tab == kFinished, m_claimed.count(list[idx].id) > 0);
    return cell;
}

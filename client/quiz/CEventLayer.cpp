#include "quiz/CEventLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "net/RequestCatalogue.h"
#include "quiz/CEventDoneCell.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/Pictures.h"

#include <algorithm>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kMainScene = 2;
constexpr float kTableWidth = CEventDoneCell::kWidth;
// Two whole rows: none shows cut before the player scrolls.
constexpr float kTableHeight = 2 * CEventDoneCell::kHeight;
// The title picture carries its ribbon in the top 110 of its 360 rows; that ribbon, not the
// picture's middle, goes where the "no events" label stands.
constexpr float kRibbonAnchorY = 1.0f - 55.0f / 360.0f;

std::string text(const char* key) { return LocalText::instance().text(key); }

} // namespace

CCScene* CEventLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CEventLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CEventLayer* CEventLayer::create() {
    auto* layer = new CEventLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CEventLayer::Create Error!");
    return nullptr;
}

UIWidget* CEventLayer::widget(const char* name) const { return m_ui ? m_ui->getWidgetByName(name) : nullptr; }

bool CEventLayer::onStage() const { return SceneDirector::instance().currentSceneId() == kScene; }

void CEventLayer::onEnter() {
    CCLayer::onEnter();
    if (m_built) return;
    m_built = true;
    m_ui = UILayer::create();
    addChild(m_ui, 0);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("event.ExportJson")) {
        m_ui->addWidget(root);
    } else {
        ClientLog::write("events: event.ExportJson cannot be read");
    }
    if (UIWidget* back = widget("backbtn")) {
        back->setTouchEnabled(true);
        back->addTouchEventListener(this, toucheventselector(CEventLayer::onBack));
    } else {
        ClientLog::write("events: event.ExportJson has no backbtn");
    }
    if (!GameData::instance().events.empty()) showList();
    RequestCatalogue::eventList({this, net_selector(CEventLayer::onEventList),
                                 net_selector(CEventLayer::onRequestFailed)});
}

void CEventLayer::onExit() {
    CCLayer::onExit();
    CCDirector::sharedDirector()->getTouchDispatcher()->removeDelegate(this);
    setTouchEnabled(false);
}

void CEventLayer::onEnterTransitionDidFinish() {
    CCLayer::onEnterTransitionDidFinish();
    setKeypadEnabled(true);
}

void CEventLayer::onExitTransitionDidStart() {
    CCLayer::onExitTransitionDidStart();
    setKeypadEnabled(false);
}

void CEventLayer::keyBackClicked() { SceneDirector::instance().switchTo(kMainScene); }

void CEventLayer::onBack(CCObject*, TouchEventType type) {
    if (type == TOUCH_EVENT_ENDED) SceneDirector::instance().switchTo(kMainScene);
}

void CEventLayer::showList() {
    UIWidget* placeholder = widget("shoujilabel");
    if (m_table == nullptr) {
        CCPoint at = ccp(480, 593);
        if (placeholder) at = placeholder->getParent()->convertToWorldSpace(placeholder->getPosition());
        m_title = Pictures::sprite("title_activities.png");
        m_title->setScale(0.67f);
        m_title->setAnchorPoint(ccp(0.5f, kRibbonAnchorY));
        m_title->setPosition(at);
        addChild(m_title, 1);

        m_table = CCTableView::create(this, CCSizeMake(kTableWidth, kTableHeight));
        m_table->setDirection(kCCScrollViewDirectionVertical);
        m_table->setVerticalFillOrder(kCCTableViewFillTopDown);
        m_table->setDelegate(this);
        m_table->setPosition(ccp(90, 50));
        addChild(m_table, 2);
    }
    // An emptied list says so again where the title stood.
    const bool any = !GameData::instance().events.empty();
    if (placeholder) placeholder->setVisible(!any);
    m_title->setVisible(any);
    m_table->reloadData();
}

void CEventLayer::onEventList(int code) {
    if (!onStage()) return;
    if (code != 0) {
        ClientLog::write("events: the server refused the event list (%d)", code);
        return;
    }
    // Also on a first visit, when no list was known and the table was never made.
    if (!GameData::instance().events.empty() || m_table) showList();
}

void CEventLayer::onRequestFailed(int status) {
    // The server link shows its network box; the screen stays as it is.
    ClientLog::write("events: the exchange failed (status %d)", status);
}

void CEventLayer::join(int eventId) {
    const std::vector<EventItem>& events = GameData::instance().events;
    const auto found = std::find_if(events.begin(), events.end(), [eventId](const EventItem& e) { return e.id == eventId; });
    if (found == events.end()) {
        ClientLog::write("events: event %d is no longer in the list", eventId);
        return;
    }
    if (found->needMoney < 1) {
        sendJoin(eventId);
        return;
    }
    m_askedEvent = eventId;
    showBox(text("EventNeed") + std::to_string(found->needMoney) + text("EventGold"), true);
}

void CEventLayer::confirmJoin() { sendJoin(m_askedEvent); }

void CEventLayer::sendJoin(int eventId) {
    RequestCatalogue::joinEvent(eventId, {this, net_selector(CEventLayer::onJoinAnswer),
                                          net_selector(CEventLayer::onRequestFailed)});
}

const char* CEventLayer::answerKey(int code, int failReason) {
    static const char* const kFailKeys[] = {"EventFailStr0", "EventFailStr1", "EventFailStr2", "EventFailStr3"};
    if (code == 0) return "EventSucceed";
    // A refusal names its reason; anything else (a reason this client does not know, or no
    // refusal at all) gets the plain failure text.
    if (code == 1 && failReason >= 0 && failReason <= 3) return kFailKeys[failReason];
    return "EventFailStr4";
}

void CEventLayer::onJoinAnswer(int code) {
    if (!onStage()) return;
    const int reason = GameData::instance().eventFailReason;
    if (code != 0) ClientLog::write("events: joining was refused (result %d, reason %d)", code, reason);
    showBox(text(answerKey(code, reason)), false);
}

void CEventLayer::showBox(const std::string& message, bool yesNo) {
    CMyMessageBox* box =
        yesNo ? CMyMessageBox::create("", message, text("yes"), "", text("no"), this, 0,
                                      callfunc_selector(CEventLayer::confirmJoin), nullptr,
                                      callfunc_selector(CEventLayer::closeBox), nullptr, false)
              : CMyMessageBox::create("", message, "", text("sure"), "", this, 0, nullptr,
                                      callfunc_selector(CEventLayer::closeBox), nullptr, nullptr, false);
    if (box == nullptr) return;
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    box->setPosition(ccp(size.width / 2, size.height / 2));
    addChild(box, kBoxZ);
}

unsigned int CEventLayer::numberOfCellsInTableView(CCTableView*) {
    return static_cast<unsigned int>(GameData::instance().events.size());
}

CCSize CEventLayer::cellSizeForTable(CCTableView*) { return CCSizeMake(CEventDoneCell::kWidth, CEventDoneCell::kHeight); }

CCTableViewCell* CEventLayer::tableCellAtIndex(CCTableView* table, unsigned int idx) {
    auto* cell = dynamic_cast<CEventDoneCell*>(table->dequeueCell());
    if (cell == nullptr) cell = CEventDoneCell::create(this);
    if (cell == nullptr) return CCTableViewCell::create();
    const std::vector<EventItem>& events = GameData::instance().events;
    if (idx < events.size()) cell->fill(events[idx]);
    return cell;
}

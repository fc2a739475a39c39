#include "menu/CRankLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "app/TextFormat.h"
#include "menu/AccountPrompt.h"
#include "menu/CRankItemCell.h"
#include "net/GameData.h"
#include "net/RequestCatalogue.h"
#include "widgets/CTipBox.h"
#include "widgets/Pictures.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kMainScene = 2;
constexpr int kRankHelpId = 0;
const ccColor3B kGold = {250, 200, 50};

std::string text(const char* key) { return LocalText::instance().text(key); }

CCLabelBMFont* panelLabel(const std::string& shown, const char* font, const CCPoint& at) {
    CCLabelBMFont* label = CCLabelBMFont::create(shown.c_str(), font);
    if (label == nullptr) {
        ClientLog::write("ranking: %s cannot be read", font);
        return nullptr;
    }
    label->setAnchorPoint(CCPointZero);
    label->setPosition(at);
    return label;
}

} // namespace

CCScene* CRankLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CRankLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CRankLayer* CRankLayer::create() {
    auto* layer = new CRankLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CRankLayer::Create Error!");
    return nullptr;
}

UIWidget* CRankLayer::widget(const char* name) const { return m_uiRoot ? m_uiRoot->getWidgetByName(name) : nullptr; }

void CRankLayer::onEnter() {
    CCLayer::onEnter();
    if (m_built) return;
    m_built = true;
    build();
    AccountPrompt::showIfDue(this, "rankTip", kBoxZ);
    RequestCatalogue::rankList({this, net_selector(CRankLayer::onRankAnswer), net_selector(CRankLayer::onRequestFailed)});
}

CCLabelBMFont* CRankLayer::numberInPlaceOf(const char* placeholder, const CCPoint& shift, int value) {
    UIWidget* place = widget(placeholder);
    if (place == nullptr) {
        ClientLog::write("ranking: rank.ExportJson has no %s", placeholder);
        return nullptr;
    }
    place->setVisible(false);
    CCLabelBMFont* label = CCLabelBMFont::create(std::to_string(value).c_str(), "NumFont.fnt");
    if (label == nullptr) return nullptr;
    label->setAnchorPoint(ccp(0, 0.5f));
    label->setPosition(ccpAdd(place->getParent()->convertToWorldSpace(place->getPosition()), shift));
    addChild(label, 2);
    return label;
}

void CRankLayer::build() {
    m_uiRoot = UILayer::create();
    addChild(m_uiRoot, 0, kUiRootTag);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("rank.ExportJson")) {
        m_uiRoot->addWidget(root);
    } else {
        ClientLog::write("ranking: rank.ExportJson cannot be read");
    }
    if (UIWidget* back = widget("backbtn")) {
        back->setTouchEnabled(true);
        back->addTouchEventListener(this, toucheventselector(CRankLayer::onBack));
    } else {
        ClientLog::write("ranking: rank.ExportJson has no backbtn");
    }
    if (UIWidget* rules = widget("rankinsbtn")) {
        rules->setTouchEnabled(true);
        rules->addTouchEventListener(this, toucheventselector(CRankLayer::onExplainButton));
    }
    if (UIWidget* host = widget("rankinslabel")) {
        if (CCLabelBMFont* label = CCLabelBMFont::create(text("RankInstruction").c_str(), "Chinese.fnt")) {
            host->addNode(label, 5);
        }
    }
    const UserInfo& user = GameData::instance().user;
    m_score = numberInPlaceOf("luobolabel", ccp(-30, 0), user.score);
    m_money = numberInPlaceOf("jinluobolabel", ccp(-40, 0), user.money);

    // Sharing is not offered on this kind of device.
    m_shareButton = widget("sharebtn");
    if (m_shareButton) {
        m_shareButton->setVisible(false);
        m_shareButton->setTouchEnabled(false);
    }
    m_myRankView = widget("myrankview");
    buildOwnRankPanel();

    m_table = CCTableView::create(this, CCSizeMake(kTableWidth, kTableHeight));
    m_table->setDirection(kCCScrollViewDirectionVertical);
    // The first place stands at the top.
    m_table->setVerticalFillOrder(kCCTableViewFillTopDown);
    m_table->setDelegate(this);
    m_table->setPosition(ccp(75, 195));
    addChild(m_table, 2, kTableTag);
    m_table->reloadData();
}

void CRankLayer::buildOwnRankPanel() {
    if ((m_rankText = panelLabel("", "Chinese.fnt", ccp(100, 80)))) addChild(m_rankText, 2);
    if ((m_lastWeek = panelLabel("", "Chinese.fnt", ccp(350, 80)))) addChild(m_lastWeek, 2);
    if ((m_curWeek = panelLabel("", "Chinese.fnt", ccp(590, 80)))) addChild(m_curWeek, 2);
    for (CCLabelBMFont* label : {m_rankText, m_lastWeek, m_curWeek}) {
        if (label) label->setColor(kGold);
    }
    for (float x : {420.0f, 660.0f}) {
        CCSprite* carrot = Pictures::sprite("common_huluobo.png");
        carrot->setAnchorPoint(CCPointZero);
        carrot->setScale(0.3f);
        carrot->setPosition(ccp(x, 80));
        addChild(carrot, 2);
    }
    // The number font stands taller than the texts: a little smaller, it keeps to their line.
    for (CCLabelBMFont** score : {&m_lastWeekScore, &m_curWeekScore}) {
        *score = panelLabel("", "NumFont.fnt", ccp(score == &m_lastWeekScore ? 450 : 690, 80));
        if (*score == nullptr) continue;
        (*score)->setScale(0.8f);
        addChild(*score, 2);
    }
}

void CRankLayer::onBack(CCObject*, TouchEventType type) {
    if (type == TOUCH_EVENT_ENDED) SceneDirector::instance().switchTo(kMainScene);
}

void CRankLayer::onExplainButton(CCObject*, TouchEventType type) {
    if (type == TOUCH_EVENT_ENDED) showExplain();
}

void CRankLayer::showExplain() {
    std::string help;
    for (const Explain& explain : GameData::instance().explains) {
        if (explain.uiId == kRankHelpId) {
            help = explain.explain;
            break;
        }
    }
    // The target only lets the close button work.
    CTipBox* box = CTipBox::create("title_rankExplain.png", help, this, nullptr);
    if (box == nullptr) return;
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    box->setPosition(ccp(window.width / 2, window.height / 2));
    addChild(box, kBoxZ + 1);
}

void CRankLayer::onRankAnswer(int code) {
    // The player may have left while the answer travelled.
    if (SceneDirector::instance().currentSceneId() != kSceneId || !isRunning()) {
        ClientLog::write("ranking: an answer for a screen that is gone, ignored");
        return;
    }
    if (code != 0) {
        // What is stored is an older answer; the panel and the table stay as they are.
        ClientLog::write("ranking: the ranking was refused (%d)", code);
        return;
    }
    m_haveRecord = true;
    m_page = GameData::instance().rankPage;
    refreshOwnRank();
}

void CRankLayer::refreshOwnRank() {
    if (!m_haveRecord) return;
    const RankPage& page = m_page;
    std::string rank;
    if (page.myRank == 0) {
        rank = text("weijinrupaihangbang");
    } else {
        if (page.myRank < 0) ClientLog::write("ranking: a place of %d, shown as it came", page.myRank);
        rank = fillText(text("wodepaiming"), {std::to_string(page.myRank)});
    }
    if (m_rankText) m_rankText->setString(rank.c_str());
    if (m_lastWeek) m_lastWeek->setString(text("lastWeek").c_str());
    if (m_curWeek) m_curWeek->setString(text("curWeek").c_str());
    if (m_lastWeekScore) m_lastWeekScore->setString((":" + std::to_string(page.myScore)).c_str());
    if (m_curWeekScore) m_curWeekScore->setString((":" + std::to_string(page.curWeekScore)).c_str());
    if (m_table) m_table->reloadData();
}

unsigned int CRankLayer::numberOfCellsInTableView(CCTableView*) {
    return static_cast<unsigned int>(m_page.items.size());
}

CCSize CRankLayer::cellSizeForTable(CCTableView*) { return CCSizeMake(kCellWidth, kCellHeight); }

CCTableViewCell* CRankLayer::tableCellAtIndex(CCTableView* table, unsigned int idx) {
    auto* cell = dynamic_cast<CRankItemCell*>(table->dequeueCell());
    if (cell == nullptr) cell = CRankItemCell::create();
    const std::vector<RankItem>& items = m_page.items;
    if (cell && idx < items.size()) cell->fill(items[idx]);
    return cell;
}

#include "store/CStoreLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "menu/AccountPrompt.h"
#include "net/GameData.h"
#include "net/RequestCatalogue.h"
#include "store/CGoodsGrid.h"
#include "store/CGoodsLayer.h"
#include "store/CStoreLayerCell.h"
#include "widgets/CTipBox.h"
#include "widgets/Pictures.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kPlayScene = 3;
constexpr int kOverlayMode = 0, kOverlayExtra = 0;
constexpr int kGridZ = 2, kTableZ = 2, kLabelZ = 3;
constexpr float kCaptionScale = 0.9f;
const ccColor3B kPageColour = {110, 70, 30};
const ccColor3B kEmptyColour = {150, 110, 70};

std::string text(const char* key) { return LocalText::instance().text(key); }

} // namespace

CCScene* CStoreLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CStoreLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CStoreLayer* CStoreLayer::create() {
    auto* layer = new CStoreLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CStoreLayer::Create Error!");
    return nullptr;
}

UIWidget* CStoreLayer::widget(const char* name) const { return m_uiRoot ? m_uiRoot->getWidgetByName(name) : nullptr; }

void CStoreLayer::onEnter() {
    CCLayer::onEnter();
    if (m_built) return;
    m_built = true;
    build();
    RequestCatalogue::goodsList("show", {this, net_selector(CStoreLayer::onCatalogue),
                                         net_selector(CStoreLayer::onRequestFailed)});
}

void CStoreLayer::wireButton(const char* name, SEL_TouchEvent handler) {
    UIWidget* button = widget(name);
    if (button == nullptr) {
        ClientLog::write("store: store.ExportJson has no %s", name);
        return;
    }
    button->setTouchEnabled(true);
    button->addTouchEventListener(this, handler);
}

void CStoreLayer::caption(const char* name, const char* key) {
    UIWidget* button = widget(name);
    if (button == nullptr) return;
    CCLabelBMFont* label = CCLabelBMFont::create(text(key).c_str(), "Chinese.fnt");
    if (label == nullptr) return;
    // The button is drawn at half size; its caption should not be.
    const float scale = button->getScaleY() > 0 ? button->getScaleY() : 1.0f;
    label->setScale(kCaptionScale / scale);
    button->addNode(label, 5);
}

void CStoreLayer::build() {
    m_uiRoot = UILayer::create();
    addChild(m_uiRoot, 0, kUiRootTag);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("store.ExportJson")) {
        m_uiRoot->addWidget(root);
    } else {
        ClientLog::write("store: store.ExportJson cannot be read");
    }
    wireButton("backbtn", toucheventselector(CStoreLayer::onBack));
    wireButton("instructionbtn", toucheventselector(CStoreLayer::onInstruction));
    wireButton("interactbtn", toucheventselector(CStoreLayer::onAccountBook));
    wireButton("accountbookbtn", toucheventselector(CStoreLayer::onMerchants));
    caption("instructionbtn", "StoreInstruction");
    caption("interactbtn", "myAccountBook");
    caption("accountbookbtn", "hudong");
    // Recharging is not offered by this client: the buttons stay hidden and deaf.
    for (int i = 0; i < 4; ++i) {
        const std::string name = "rechargebtn" + std::to_string(i + 1);
        UIWidget* button = widget(name.c_str());
        if (button == nullptr) continue;
        button->setTag(i);
        button->setVisible(false);
        button->setTouchEnabled(false);
        m_rechargeButtons.push_back(button);
    }
    buildCategoryList();
    buildGrid();
}

void CStoreLayer::buildCategoryList() {
    CCSize size = CCSizeMake(CStoreLayerCell::kWidth, 455);
    CCPoint at = ccp(15, 85);
    if (UIWidget* host = widget("typeview")) {
        size = host->getSize();
        at = host->getParent()->convertToWorldSpace(host->getPosition());
    } else {
        ClientLog::write("store: store.ExportJson has no typeview");
    }
    m_table = CCTableView::create(this, size);
    m_table->setDirection(kCCScrollViewDirectionVertical);
    m_table->setVerticalFillOrder(kCCTableViewFillTopDown);
    m_table->setDelegate(this);
    m_table->setPosition(at);
    addChild(m_table, kTableZ);
    m_table->reloadData();
}

void CStoreLayer::buildGrid() {
    CCSize size = CCSizeMake(740, 516);
    CCPoint at = ccp(215, 22);
    if (UIWidget* host = widget("goodsview")) {
        size = host->getSize();
        at = host->getParent()->convertToWorldSpace(host->getPosition());
    } else {
        ClientLog::write("store: store.ExportJson has no goodsview");
    }
    m_grid = CGoodsGrid::create(size);
    m_grid->setPosition(at);
    m_grid->setPageHandler([this](int page, int count) { onPageShown(page, count); });
    m_grid->setTapHandler([this](int index) { onTileTapped(index); });
    m_grid->setTouchGate([] { return SceneDirector::instance().currentSceneId() == kSceneId; });
    addChild(m_grid, kGridZ);

    m_emptyLabel = Pictures::label(text("storeEmptyCategory"), 30, CCSizeMake(size.width - 80, 0),
                                   kCCTextAlignmentCenter);
    m_emptyLabel->setColor(kEmptyColour);
    m_emptyLabel->setPosition(ccp(at.x + size.width / 2, at.y + size.height / 2));
    m_emptyLabel->setVisible(false);
    addChild(m_emptyLabel, kLabelZ);

    CCPoint pageAt = ccp(110, 45);
    if (UIWidget* field = widget("pagefield")) pageAt = field->getParent()->convertToWorldSpace(field->getPosition());
    m_pageLabel = Pictures::label("", 26, CCSizeZero, kCCTextAlignmentCenter);
    m_pageLabel->setColor(kPageColour);
    m_pageLabel->setPosition(pageAt);
    addChild(m_pageLabel, kLabelZ);
    // Until the catalogue comes there is nothing to page through.
    m_grid->setEntries(0, nullptr);
}

void CStoreLayer::onCatalogue(int code) {
    // The play scene may host the store's answer when the player came from a question.
    const int current = SceneDirector::instance().currentSceneId();
    if ((current != kSceneId && current != kPlayScene) || !isRunning()) {
        ClientLog::write("store: a catalogue for a store that is gone, ignored");
        return;
    }
    if (code != 0) {
        ClientLog::write("store: the catalogue was refused (%d)", code);
        return;
    }
    m_types = GameData::instance().goodsTypes;
    m_selected = -1;
    if (m_types.empty()) {
        ClientLog::write("store: the catalogue has no categories");
        showGoods({});
    } else {
        selectCategory(0);
    }
    if (m_table) m_table->reloadData();
}

bool CStoreLayer::selectCategory(int index) {
    if (index < 0 || index >= static_cast<int>(m_types.size())) {
        ClientLog::write("store: no category %d of %zu", index, m_types.size());
        return false;
    }
    m_selected = index;
    showGoods(m_types[index].goods);
    if (m_table) {
        // Keeps the list where the player scrolled it; only the looks of the cells change.
        const CCPoint offset = m_table->getContentOffset();
        m_table->reloadData();
        m_table->setContentOffset(offset);
    }
    return true;
}

void CStoreLayer::showGoods(const std::vector<GoodsInfo>& goods) {
    m_goods = goods;
    if (m_emptyLabel) m_emptyLabel->setVisible(m_goods.empty() && !m_types.empty());
    if (m_grid == nullptr) return;
    m_grid->setEntries(static_cast<int>(m_goods.size()), [this](int i) -> CGoodsLayer* {
        if (i < 0 || i >= static_cast<int>(m_goods.size())) return nullptr;
        return CGoodsLayer::createGoods(m_goods[i]);
    });
}

void CStoreLayer::onPageShown(int page, int pageCount) {
    if (m_pageLabel) m_pageLabel->setString((std::to_string(page + 1) + "/" + std::to_string(pageCount)).c_str());
}

void CStoreLayer::onTileTapped(int index) {
    // With the exchange overlay up (scene id 9) the store below takes no taps.
    if (SceneDirector::instance().currentSceneId() != kSceneId) return;
    if (index < 0 || index >= static_cast<int>(m_goods.size())) return;
    SceneDirector::instance().showStoreInfo(m_goods[index], kOverlayMode, kOverlayExtra);
}

void CStoreLayer::openAccountBook() {
    if (AccountPrompt::showIfDue(this, "noRegisterAccountTip", kBoxZ)) return;
    if (GameData::instance().user.infoFilled) {
        SceneDirector::instance().showStoreAccount();
    } else {
        // Exchanges need the player's claim details first; the claim form asks for them.
        SceneDirector::instance().showReceiveMoney();
    }
}

void CStoreLayer::showExplain() {
    std::string help;
    for (const Explain& explain : GameData::instance().explains) {
        if (explain.uiId == kStoreHelpId) {
            help = explain.explain;
            break;
        }
    }
    if (help.empty()) ClientLog::write("store: no store explanation stored");
    CTipBox* box = CTipBox::create("title_storeExplain.png", help, this, nullptr);
    if (box == nullptr) return;
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    box->setPosition(ccp(window.width / 2, window.height / 2));
    addChild(box, kBoxZ + 1);
}

void CStoreLayer::onBack(CCObject*, TouchEventType type) {
    if (type != TOUCH_EVENT_ENDED) return;
    SceneDirector& director = SceneDirector::instance();
    if (director.previousSceneId() == kPlayScene) {
        director.showPlay();
    } else {
        director.showMain();
    }
}

void CStoreLayer::onInstruction(CCObject*, TouchEventType type) {
    if (type == TOUCH_EVENT_ENDED) showExplain();
}

void CStoreLayer::onAccountBook(CCObject*, TouchEventType type) {
    if (type == TOUCH_EVENT_ENDED) openAccountBook();
}

void CStoreLayer::onMerchants(CCObject*, TouchEventType type) {
    if (type == TOUCH_EVENT_ENDED) SceneDirector::instance().showStoreHudong();
}

unsigned int CStoreLayer::numberOfCellsInTableView(CCTableView*) { return static_cast<unsigned int>(m_types.size()); }

CCSize CStoreLayer::cellSizeForTable(CCTableView*) {
    return CCSizeMake(CStoreLayerCell::kWidth, CStoreLayerCell::kHeight);
}

CCTableViewCell* CStoreLayer::tableCellAtIndex(CCTableView* table, unsigned int idx) {
    auto* cell = dynamic_cast<CStoreLayerCell*>(table->dequeueCell());
    if (cell == nullptr) cell = CStoreLayerCell::create();
    if (cell && idx < m_types.size()) cell->fill(m_types[idx].name, static_cast<int>(idx) == m_selected);
    return cell;
}

void CStoreLayer::tableCellTouched(CCTableView*, CCTableViewCell* cell) {
    if (cell == nullptr || SceneDirector::instance().currentSceneId() != kSceneId) return;
    const int index = static_cast<int>(cell->getIdx());
    if (index != m_selected) selectCategory(index);
}

#include "menu/CMyCollectionScene.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "menu/CaidanFrames.h"
#include "net/GameData.h"
#include "net/RequestCatalogue.h"
#include "widgets/CMyMessageBox.h"
#include "widgets/Pictures.h"

#include <algorithm>

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kTreasureScene = 7, kCollectionScene = 8;
constexpr int kCellZ = 1, kLabelZ = 2;
constexpr float kUpperRowY = 360, kLowerRowY = 180;
constexpr float kPictureHeight = 110;
const ccColor3B kTotalColour = {250, 250, 220};

std::string text(const char* key) { return LocalText::instance().text(key); }

// The x of cell i's picture and background; the outer cards of the upper row and the middle of the
// lower row are nudged so the pictures of different widths line up as a grid.
float pictureX(int i) {
    if (i < 6) return (i == 0 || i == 5) ? 140.0f * i + 60 : 140.0f * i + 80;
    if (i == 8) return 365;
    if (i == 9) return 480;
    return 140.0f * i - 770;
}

float backgroundX(int i) { return i < 6 ? 140.0f * i + 80 : 140.0f * i - 760; }

float rowY(int i) { return i < 6 ? kUpperRowY : kLowerRowY; }

} // namespace

CCScene* CMyCollectionScene::scene() {
    CCScene* scene = CCScene::create();
    if (CMyCollectionScene* layer = create()) scene->addChild(layer);
    return scene;
}

CMyCollectionScene* CMyCollectionScene::create() {
    auto* layer = new CMyCollectionScene;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CMyCollectionScene::Create Error!");
    return nullptr;
}

UIWidget* CMyCollectionScene::widget(const char* name) const {
    return m_uiRoot ? m_uiRoot->getWidgetByName(name) : nullptr;
}

void CMyCollectionScene::onEnter() {
    CCLayer::onEnter();
    setKeypadEnabled(true);
    if (m_built) return;
    m_built = true;
    build();
    buildCells();
    RequestCatalogue::collectionData({this, net_selector(CMyCollectionScene::onCollectionList),
                                      net_selector(CMyCollectionScene::onRequestFailed)});
}

void CMyCollectionScene::onExit() {
    setKeypadEnabled(false);
    CCLayer::onExit();
}

void CMyCollectionScene::keyBackClicked() { SceneDirector::instance().switchTo(kTreasureScene); }

void CMyCollectionScene::build() {
    CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile("Caidan.plist");
    m_uiRoot = UILayer::create();
    addChild(m_uiRoot, 0);
    if (UIWidget* root = GUIReader::shareReader()->widgetFromJsonFile("caidanlist.ExportJson")) {
        m_uiRoot->addWidget(root);
    } else {
        ClientLog::write("collection: caidanlist.ExportJson cannot be read");
    }
    replaceLabel("Label_4353", "ExchangeAwards");
    replaceLabel("shoujicount", "collectionCount");
    replaceLabel("shoujilabel", "myCollection");
    wireButton("backbtn");
    wireButton("duihuanbtn");
}

void CMyCollectionScene::replaceLabel(const char* widgetName, const char* key) {
    UIWidget* host = widget(widgetName);
    if (host == nullptr) {
        ClientLog::write("collection: caidanlist.ExportJson has no %s", widgetName);
        return;
    }
    host->setVisible(false);
    CCLabelBMFont* label = CCLabelBMFont::create(text(key).c_str(), "Chinese.fnt");
    if (label == nullptr) {
        ClientLog::write("collection: Chinese.fnt cannot be read");
        return;
    }
    label->setPosition(host->getParent() ? host->getParent()->convertToWorldSpace(host->getPosition())
                                         : host->getPosition());
    addChild(label, kLabelZ);
}

void CMyCollectionScene::wireButton(const char* name) {
    UIWidget* button = widget(name);
    if (button == nullptr) {
        ClientLog::write("collection: caidanlist.ExportJson has no %s", name);
        return;
    }
    button->setTouchEnabled(true);
    button->addTouchEventListener(this, toucheventselector(CMyCollectionScene::onButton));
}

void CMyCollectionScene::onButton(CCObject* sender, TouchEventType type) {
    auto* button = dynamic_cast<UIWidget*>(sender);
    if (button == nullptr || type != TOUCH_EVENT_ENDED) return;
    const std::string name = button->getName();
    if (name == "backbtn") {
        SceneDirector::instance().switchTo(kTreasureScene);
    } else if (name == "duihuanbtn") {
        exchange();
    }
}

void CMyCollectionScene::buildCells() {
    for (int i = 0; i < kCards; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const float y = rowY(i);
        CCSprite* background = Pictures::sprite("common_viewBg_dark.png");
        background->setAnchorPoint(ccp(0.2f, 0.1f));
        background->setScale(0.45f);
        background->setPosition(ccp(backgroundX(i), y));
        addChild(background, kCellZ);
        m_backgrounds[at] = background;

        CCSprite* card = Pictures::sprite(CaidanFrames::collectionPicture(i + 1));
        card->setAnchorPoint(ccp(0, 0));
        const float height = card->getContentSize().height;
        if (height > 0) card->setScale(kPictureHeight / height);
        card->setPosition(ccp(pictureX(i), y));
        card->setVisible(false);
        addChild(card, kCellZ);
        m_cards[at] = card;

        CCLabelBMFont* count = CCLabelBMFont::create("0", "NumFont.fnt");
        if (count == nullptr) {
            ClientLog::write("collection: NumFont.fnt cannot be read");
            continue;
        }
        count->setAnchorPoint(ccp(0, 0));
        count->setPosition(ccp(backgroundX(i) + 0.3f * background->getContentSize().width - 20, y));
        count->setVisible(false);
        addChild(count, kLabelZ);
        m_countLabels[at] = count;
    }
}

void CMyCollectionScene::onCollectionList(int code) {
    if (code != 0) {
        ClientLog::write("collection: the server refused the list (%d)", code);
        return;
    }
    if (SceneDirector::instance().currentSceneId() != kCollectionScene) return;
    const std::vector<int>& list = GameData::instance().collection;
    if (list.empty()) {
        ClientLog::write("collection: the list holds no counts");
        return;
    }
    bool complete = list.size() == kCards;
    if (!complete) {
        ClientLog::write("collection: the list holds %zu counts, not %d; missing ones count as 0 and no set "
                         "can be exchanged",
                         list.size(), kCards);
    }
    for (int i = 0; i < kCards; ++i) {
        const auto at = static_cast<std::size_t>(i);
        int count = at < list.size() ? list[at] : 0;
        if (count < 0) {
            ClientLog::write("collection: card %d has a negative count %d; shown as 0", i + 1, count);
            count = 0;
            complete = false;
        }
        m_counts[at] = count;
    }
    m_listComplete = complete;
    m_exchanged = 0;
    if (m_totalLabel == nullptr) {
        m_totalLabel = CCLabelBMFont::create("0", "NumFont.fnt");
        if (m_totalLabel) {
            m_totalLabel->setColor(kTotalColour);
            m_totalLabel->setAnchorPoint(ccp(0, 0.5f));
            m_totalLabel->setPosition(ccp(250, 107));
            addChild(m_totalLabel, kLabelZ);
        } else {
            ClientLog::write("collection: NumFont.fnt cannot be read");
        }
    }
    showView();
}

void CMyCollectionScene::showView() {
    long long total = 0;
    bool full = true;
    for (int i = 0; i < kCards; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int value = std::max(0, m_counts[at] - m_exchanged);
        m_shown[at] = value;
        total += value;
        if (value == 0) full = false;
        if (CCLabelBMFont* label = m_countLabels[at]) {
            label->setString(std::to_string(value).c_str());
            label->setVisible(value > 0);
            // Counts of two digits and more grow to the left so they stay on their card.
            const float standard = backgroundX(i) + 0.3f * m_backgrounds[at]->getContentSize().width - 20;
            const float cellRight = m_backgrounds[at]->boundingBox().getMaxX() - 4;
            label->setPositionX(std::min(standard, cellRight - label->getContentSize().width * label->getScaleX()));
        }
        if (m_cards[at]) m_cards[at]->setVisible(value > 0);
    }
    m_canExchange = full && m_listComplete;
    if (m_totalLabel) m_totalLabel->setString(std::to_string(total).c_str());
}

void CMyCollectionScene::exchange() {
    if (m_canExchange) {
        showBox("", "CanExchange", true);
    } else {
        showBox("", "NotCellect", false);
    }
}

void CMyCollectionScene::showBox(const char* title, const char* message, bool ask) {
    CMyMessageBox* box = ask ? CMyMessageBox::create(title[0] ? text(title) : "", text(message), text("Yes"), "",
                                                     text("No"), this, 0,
                                                     callfunc_selector(CMyCollectionScene::sendExchange), nullptr,
                                                     nullptr, nullptr, false)
                             : CMyMessageBox::create(title[0] ? text(title) : "", text(message), "", text("sure"), "",
                                                     this, 0, nullptr, nullptr, nullptr, nullptr, false);
    if (box == nullptr) return;
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    box->setPosition(ccp(size.width / 2, size.height / 2));
    addChild(box, kBoxZ);
}

void CMyCollectionScene::sendExchange() {
    RequestCatalogue::collectionExchange({this, net_selector(CMyCollectionScene::onExchangeResult),
                                          net_selector(CMyCollectionScene::onRequestFailed)});
}

void CMyCollectionScene::onExchangeResult(int code) {
    if (code != 0) {
        ClientLog::write("collection: the server refused the exchange (%d)", code);
        showBox("ExchangeAwards", "NotCellect", false);
        return;
    }
    if (SceneDirector::instance().currentSceneId() != kCollectionScene) return;
    m_exchanged += 1;
    showView();
    showBox("ExchangeAwards", "CollectionSuccess", false);
}

#include "store/CStoreHudongLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "net/RequestCatalogue.h"
#include "store/CGoodsGrid.h"
#include "store/CGoodsLayer.h"

USING_NS_CC;

namespace {

constexpr int kOverlayMode = 0, kOverlayExtra = 0;

} // namespace

CCScene* CStoreHudongLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CStoreHudongLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CStoreHudongLayer* CStoreHudongLayer::create() {
    auto* layer = new CStoreHudongLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CStoreHudongLayer::Create Error!");
    return nullptr;
}

void CStoreHudongLayer::onEnter() {
    CStoreTilePage::onEnter();
    if (m_built) return;
    m_built = true;
    build("storehudong.ExportJson", "shangjiahudong.png", "merchant page",
          LocalText::instance().text("storeEmptyCategory"));
    if (emptyLabel()) emptyLabel()->setVisible(false);
    grid()->setTapHandler([this](int index) { openGoods(index); });
    grid()->setTouchGate([] { return SceneDirector::instance().currentSceneId() == kSceneId; });
    RequestCatalogue::goodsList("showbreak", {this, net_selector(CStoreHudongLayer::onCatalogue),
                                              net_selector(CStoreHudongLayer::onRequestFailed)});
}

void CStoreHudongLayer::onCatalogue(int code) {
    if (!answerWanted(kSceneId)) {
        ClientLog::write("merchant page: a catalogue for a page that is gone, ignored");
        return;
    }
    if (code != 0) {
        ClientLog::write("merchant page: the catalogue was refused (%d)", code);
        return;
    }
    // The merchants' goods are few: one run of pages through every category.
    m_goods.clear();
    for (const GoodsType& type : GameData::instance().goodsTypes) {
        m_goods.insert(m_goods.end(), type.goods.begin(), type.goods.end());
    }
    showEntries(static_cast<int>(m_goods.size()), [this](int i) -> CGoodsLayer* {
        if (i < 0 || i >= static_cast<int>(m_goods.size())) return nullptr;
        return CGoodsLayer::createGoods(m_goods[i]);
    });
}

void CStoreHudongLayer::openGoods(int index) {
    if (SceneDirector::instance().currentSceneId() != kSceneId) return;
    if (index < 0 || index >= static_cast<int>(m_goods.size())) return;
    SceneDirector::instance().showStoreInfo(m_goods[index], kOverlayMode, kOverlayExtra);
}

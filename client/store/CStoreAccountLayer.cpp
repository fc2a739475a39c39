#include "store/CStoreAccountLayer.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "net/GameData.h"
#include "net/RequestCatalogue.h"
#include "store/CGoodsGrid.h"
#include "store/CGoodsInfoBox.h"
#include "store/CGoodsLayer.h"

USING_NS_CC;

CCScene* CStoreAccountLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CStoreAccountLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CStoreAccountLayer* CStoreAccountLayer::create() {
    auto* layer = new CStoreAccountLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CStoreAccountLayer::Create Error!");
    return nullptr;
}

void CStoreAccountLayer::onEnter() {
    CStoreTilePage::onEnter();
    if (m_built) return;
    m_built = true;
    build("storeaccount.ExportJson", "wodezhangben.png", "account book",
          LocalText::instance().text("storeEmptyBook"));
    // The empty line waits for the answer: before it, the book is not known to be empty.
    if (emptyLabel()) emptyLabel()->setVisible(false);
    grid()->setTapHandler([this](int index) { openRecord(index); });
    grid()->setTouchGate([] { return SceneDirector::instance().currentSceneId() == kSceneId; });
    RequestCatalogue::buyRecords({this, net_selector(CStoreAccountLayer::onRecords),
                                  net_selector(CStoreAccountLayer::onRequestFailed)});
}

void CStoreAccountLayer::onRecords(int code) {
    if (!answerWanted(kSceneId)) {
        ClientLog::write("account book: records for a page that is gone, ignored");
        return;
    }
    if (code != 0) {
        ClientLog::write("account book: the records were refused (%d)", code);
        return;
    }
    m_records = GameData::instance().buyRecords;
    showEntries(static_cast<int>(m_records.size()), [this](int i) -> CGoodsLayer* {
        if (i < 0 || i >= static_cast<int>(m_records.size())) return nullptr;
        return CGoodsLayer::createRecord(m_records[i]);
    });
}

CGoodsInfoBox* CStoreAccountLayer::openRecord(int index) {
    if (SceneDirector::instance().currentSceneId() != kSceneId) return nullptr;
    if (index < 0 || index >= static_cast<int>(m_records.size())) return nullptr;
    // One box at a time; a second tap cannot reach the page while one is up anyway.
    if (getChildByTag(kBoxTag)) return nullptr;
    CGoodsInfoBox* box = CGoodsInfoBox::create(m_records[index]);
    if (box == nullptr) return nullptr;
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    box->setPosition(ccp(window.width / 2, window.height / 2));
    addChild(box, kBoxZ, kBoxTag);
    return box;
}

#include "store/CBaseStoreInfoLayer.h"

#include "app/ClientLog.h"
#include "app/SceneDirector.h"
#include "net/RequestCatalogue.h"
#include "store/CStoreInfoLayer.h"

USING_NS_CC;

namespace {
constexpr int kStoreInfoScene = 9;
}

CBaseStoreInfoLayer* CBaseStoreInfoLayer::load(CStoreInfoLayer* dialog, int goodsId) {
    if (dialog == nullptr) return nullptr;
    auto* loader = new CBaseStoreInfoLayer;
    loader->autorelease();
    loader->m_dialog = dialog;
    dialog->retain();
    RequestCatalogue::goodsDetail(goodsId, {loader, net_selector(CBaseStoreInfoLayer::onDetail),
                                            net_selector(CBaseStoreInfoLayer::onDetailFailed)});
    return loader;
}

CBaseStoreInfoLayer::~CBaseStoreInfoLayer() {
    if (m_dialog) m_dialog->release();
}

bool CBaseStoreInfoLayer::dialogStillOpen() const {
    return m_dialog && m_dialog->isRunning() && SceneDirector::instance().currentSceneId() == kStoreInfoScene;
}

void CBaseStoreInfoLayer::onDetail(int code) {
    if (!dialogStillOpen()) {
        ClientLog::write("exchange: goods detail arrived after the dialog closed; ignored");
        return;
    }
    m_dialog->onDetail(code);
}

void CBaseStoreInfoLayer::onDetailFailed(int status) {
    ClientLog::write("exchange: goods detail request ended with status %d", status);
}

#include "net/CNetLayer.h"

#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "net/CCMask.h"
#include "net/NetNotices.h"
#include "widgets/CMyMessageBox.h"

USING_NS_CC;

int& CNetLayer::onStageCount() {
    static int count = 0;
    return count;
}

bool CNetLayer::overlayOnStage() { return onStageCount() > 0; }

CNetLayer* CNetLayer::create(bool dim) {
    auto* layer = new CNetLayer;
    if (layer->initNetLayer(dim)) {
        layer->autorelease();
        return layer;
    }
    CCLog("Fun CNetLayer::Create Error!");
    delete layer;
    return nullptr;
}

bool CNetLayer::initNetLayer(bool dim) {
    if (!CCLayer::init()) {
        return false;
    }
    CCMask* mask = CCMask::create(-20, dim);
    if (mask == nullptr) {
        return false;
    }
    if (dim) {
        mask->addChild(CCLayerColor::create(ccc4(100, 100, 100, 125)), 0);
    }
    addChild(mask, 1, kMaskTag);
    return true;
}

void CNetLayer::onEnter() {
    CCLayer::onEnter();
    onStageCount() += 1;
    runAction(CCSequence::create(CCDelayTime::create(kGiveUpSeconds),
                                 CCCallFunc::create(this, callfunc_selector(CNetLayer::onNetDead)), nullptr));
}

void CNetLayer::onExit() {
    CCLayer::onExit();
    onStageCount() -= 1;
}

void CNetLayer::onNetDead() {
    removeChildByTag(kMaskTag);
    LocalText& text = LocalText::instance();
    CMyMessageBox* box = CMyMessageBox::create("", text.text("theNetIsDie"), "", text.text("sure"), "", this, 0,
                                               nullptr, callfunc_selector(CNetLayer::onNetDeadSure), nullptr,
                                               nullptr, false);
    if (box) {
        box->setPosition(NetNotices::windowCentre());
        addChild(box);
    }
}

void CNetLayer::onNetDeadSure() { SceneDirector::instance().showMain(); }

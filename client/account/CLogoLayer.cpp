#include "account/CLogoLayer.h"

#include "app/ClientLog.h"
#include "app/SceneDirector.h"

USING_NS_CC;
USING_NS_CC_EXT;

CCScene* CLogoLayer::scene() {
    CCScene* scene = CCScene::create();
    if (CLogoLayer* layer = create()) scene->addChild(layer);
    return scene;
}

CLogoLayer* CLogoLayer::create() {
    CLogoLayer* layer = new CLogoLayer;
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CLogoLayer::Create Error!");
    return nullptr;
}

void CLogoLayer::onEnter() {
    CCLayer::onEnter();
    scheduleOnce(schedule_selector(CLogoLayer::showLogo), 0.2f);
}

CCLayerColor* CLogoLayer::buildAnimation(int animationIndex) {
    CCArmatureDataManager::sharedArmatureDataManager()->addArmatureFileInfo("Armature.png", "Armature.plist",
                                                                            "BrindleAnimation.ExportJson");
    CCLayerColor* shade = CCLayerColor::create(ccc4(0, 0, 0, 150));
    shade->setPosition(CCPointZero);
    shade->setTag(kShadeTag);
    CCArmature* armature = CCArmature::create("BrindleAnimation");
    if (!armature) {
        ClientLog::write("logo: armature BrindleAnimation is missing");
        return shade;
    }
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    armature->setPosition(ccp(size.width / 2, size.height / 2));
    shade->addChild(armature, 1);
    armature->getAnimation()->playByIndex(animationIndex, -1, -1, -1, 10000);
    return shade;
}

void CLogoLayer::showLogo(float) {
    CCLayerColor* shade = buildAnimation(1);
    auto* armature = dynamic_cast<CCArmature*>(shade->getChildren() ? shade->getChildren()->lastObject() : nullptr);
    if (armature) {
        armature->getAnimation()->setMovementEventCallFunc(this,
                                                           movementEvent_selector(CLogoLayer::onMovementEvent));
    }
    addChild(shade);
    if (!armature) handOver(); // nothing to wait for
}

void CLogoLayer::onMovementEvent(CCArmature*, MovementEventType, const char*) {
    // Whatever the event, the first one ends the logo.
    handOver();
}

void CLogoLayer::handOver() {
    // The armature keeps playing (and reporting loop ends) through the fade, and a slow frame can
    // bring several events at once; a second hand-over would build a second loading screen with
    // its own version check and login racing the first.
    if (m_handedOver) return;
    m_handedOver = true;
    SceneDirector::instance().showLoading();
}

#include "contest/CHD_CoverLayerColor.h"

#include "app/ClientLog.h"
#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "contest/HallRules.h"

#include "cocos-ext.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

constexpr int kContestHallScene = 21;

} // namespace

CHD_CoverLayerColor* CHD_CoverLayerColor::create(int kind) {
    auto* layer = new CHD_CoverLayerColor;
    if (layer->initWithKind(kind)) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CHD_CoverLayerColor::Create Error!");
    return nullptr;
}

bool CHD_CoverLayerColor::initWithKind(int kind) {
    if (!CCLayerColor::initWithColor(ccc4(50, 50, 150, 50))) return false;
    m_kind = kind == kEntering ? kEntering : kSearching;
    if (m_kind == kSearching) {
        buildSearching();
    } else {
        buildEntering();
    }
    return true;
}

void CHD_CoverLayerColor::buildSearching() {
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    CCArmatureDataManager::sharedArmatureDataManager()->addArmatureFileInfo(
        "pipeiduishouzhong0.png", "pipeiduishouzhong0.plist", "pipeiduishouzhong.ExportJson");
    if (CCArmature* figure = CCArmature::create("pipeiduishouzhong")) {
        figure->setPosition(ccp(size.width / 2, size.height / 2 + 50));
        figure->getAnimation()->playByIndex(0);
        addChild(figure);
    } else {
        ClientLog::write("cover: armature pipeiduishouzhong is missing");
    }
    if (CCSprite* title = CCSprite::create("title_serching.png")) {
        title->setPosition(ccp(size.width / 2, size.height / 2 - 150));
        addChild(title);
        title->runAction(CCRepeatForever::create(CCSequence::create(
            CCDelayTime::create(0.5f), CCFadeOut::create(0.5f), CCFadeIn::create(0.5f), nullptr)));
    }
}

void CHD_CoverLayerColor::buildEntering() {
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    m_runner = CCSprite::create("ma1.png");
    if (m_runner != nullptr) {
        m_runner->setPosition(ccp(size.width / 2, size.height / 2));
        m_runner->setScale(0.67f);
        addChild(m_runner);
        runAction(CCSequence::create(CCDelayTime::create(1.0f),
                                     CCCallFunc::create(this, callfunc_selector(CHD_CoverLayerColor::startRunning)),
                                     nullptr));
    }
    runAction(CCSequence::create(CCDelayTime::create(kNetDeadSeconds),
                                 CCCallFunc::create(this, callfunc_selector(CHD_CoverLayerColor::showNetDead)),
                                 nullptr));
}

void CHD_CoverLayerColor::startRunning() {
    CCAnimation* run = CCAnimation::create();
    for (int i = 1; i <= 3; ++i) {
        run->addSpriteFrameWithFileName(("ma" + std::to_string(i) + ".png").c_str());
    }
    run->setDelayPerUnit(0.2f);
    run->setLoops(45);
    m_runner->runAction(CCAnimate::create(run));
}

void CHD_CoverLayerColor::showNetDead() {
    if (getChildByTag(kNetDeadBoxTag)) return;
    hall_rules::showBox(this, LocalText::instance().text("theNetIsDie"), this,
                        callfunc_selector(CHD_CoverLayerColor::backToContestHall), false, nullptr, 10, kNetDeadBoxTag);
}

void CHD_CoverLayerColor::backToContestHall() { SceneDirector::instance().switchTo(kContestHallScene); }

void CHD_CoverLayerColor::onEnter() {
    CCLayerColor::onEnter();
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, kTouchPriority, true);
}

void CHD_CoverLayerColor::onExit() {
    CCDirector::sharedDirector()->getTouchDispatcher()->removeDelegate(this);
    CCLayerColor::onExit();
}

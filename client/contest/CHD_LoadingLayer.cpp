#include "contest/CHD_LoadingLayer.h"

#include "app/ClientLog.h"
#include "app/SceneDirector.h"

#include "cocos-ext.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

template <typename Init> CHD_LoadingLayer* made(CHD_LoadingLayer* layer, Init init) {
    if (init(layer)) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    ClientLog::write("Fun CHD_LoadingLayer::Create Error!");
    return nullptr;
}

CCArmature* armatureOf(const char* name) {
    const std::string base = name;
    CCArmatureDataManager::sharedArmatureDataManager()->addArmatureFileInfo(
        (base + "0.png").c_str(), (base + "0.plist").c_str(), (base + ".ExportJson").c_str());
    CCArmature* armature = CCArmature::create(name);
    if (armature == nullptr) {
        ClientLog::write("face-off: armature %s is missing", name);
    } else {
        armature->getAnimation()->playByIndex(0);
    }
    return armature;
}

} // namespace

CHD_LoadingLayer* CHD_LoadingLayer::create() {
    return made(new CHD_LoadingLayer, [](CHD_LoadingLayer* layer) {
        if (!layer->initFaceOff(kTeam)) return false;
        layer->playFaceOff();
        return true;
    });
}

CHD_LoadingLayer* CHD_LoadingLayer::create(int kind, int myLevel, const std::string& myName, int otherLevel,
                                           const std::string& otherName) {
    return made(new CHD_LoadingLayer, [&](CHD_LoadingLayer* layer) {
        if (!layer->initFaceOff(kind == kChallenge ? kChallenge : kDoubles)) return false;
        const CCSize size = CCDirector::sharedDirector()->getWinSize();
        layer->addPlayerLabel(myLevel, myName, ccp(200, 100));
        layer->addPlayerLabel(otherLevel, otherName, ccp(size.width - 200, 100));
        layer->playFaceOff();
        return true;
    });
}

CHD_LoadingLayer* CHD_LoadingLayer::create(int, int level, const std::string& name) {
    return made(new CHD_LoadingLayer, [&](CHD_LoadingLayer* layer) {
        if (!layer->CCLayer::init()) return false;
        layer->m_kind = kExam;
        const CCSize size = CCDirector::sharedDirector()->getWinSize();
        CCLayerColor* shade = CCLayerColor::create(ccc4(20, 24, 48, 250), 960, 640);
        shade->ignoreAnchorPointForPosition(false);
        shade->setPosition(ccp(size.width / 2, size.height / 2));
        layer->addChild(shade);
        if (CCArmature* figure = armatureOf("NewAnimation")) {
            figure->setPosition(ccp(size.width / 2, size.height / 2 - 150));
            layer->addChild(figure, 1);
        }
        layer->addPlayerLabel(level, name, ccp(size.width / 2, 100));
        layer->runAction(CCSequence::create(
            CCDelayTime::create(kExamSeconds),
            CCCallFunc::create(layer, callfunc_selector(CHD_LoadingLayer::startContest)), nullptr));
        return true;
    });
}

bool CHD_LoadingLayer::initFaceOff(int kind) {
    if (!CCLayer::init()) return false;
    m_kind = kind;
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    CCLayerColor* shade = CCLayerColor::create(ccc4(20, 24, 48, 250), 960, 640);
    shade->ignoreAnchorPointForPosition(false);
    shade->setPosition(ccp(size.width / 2, size.height / 2));
    addChild(shade);
    if (CCArmature* stage = armatureOf("PkLoading")) {
        stage->setPosition(ccp(size.width / 2, size.height / 2));
        addChild(stage, 1);
    }
    return true;
}

void CHD_LoadingLayer::addPlayerLabel(int level, const std::string& name, const CCPoint& at) {
    const std::string text = "Lv." + std::to_string(level) + " " + name;
    CCLabelTTF* label = CCLabelTTF::create(text.c_str(), "simhei.ttf", 35);
    if (label == nullptr) return;
    label->setPosition(at);
    addChild(label, 3);
}

void CHD_LoadingLayer::playFaceOff() {
    const CCSize size = CCDirector::sharedDirector()->getWinSize();
    m_vs = CCSprite::create("vs.png");
    if (m_vs != nullptr) {
        m_vs->setPosition(ccp(size.width / 2, size.height + 200));
        addChild(m_vs, 4);
        m_vs->runAction(CCEaseBounceOut::create(CCMoveBy::create(1.0f, ccp(0, -520))));
    }
    CCSprite* left = CCSprite::create("tuzi2.png");
    CCSprite* right = CCSprite::create("tuzi1.png");
    if (left != nullptr) {
        left->setPosition(ccp(-200, 320));
        addChild(left, 2);
        left->runAction(CCEaseElasticInOut::create(CCMoveBy::create(1.5f, ccp(360, 0))));
    }
    if (right != nullptr) {
        right->setPosition(ccp(1160, 320));
        addChild(right, 2);
        right->runAction(CCEaseElasticInOut::create(CCMoveBy::create(1.5f, ccp(-360, 0))));
    }
    // The pauses let the two meet and be seen before the questions take the screen.
    runAction(CCSequence::create(CCDelayTime::create(1.5f), CCDelayTime::create(0.5f), CCDelayTime::create(1.5f),
                                 CCCallFunc::create(this, callfunc_selector(CHD_LoadingLayer::startContest)),
                                 nullptr));
}

void CHD_LoadingLayer::startContest() {
    if (!SceneDirector::instance().switchTo(kContestPlayScene)) {
        ClientLog::write("face-off: the contest play scene is not available");
    }
}

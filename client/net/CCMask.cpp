#include "net/CCMask.h"

#include "app/ClientLog.h"

USING_NS_CC;

CCMask* CCMask::create(int priorityOffset, bool spinner) {
    auto* mask = new CCMask;
    if (mask->initMask(priorityOffset, spinner)) {
        mask->autorelease();
        return mask;
    }
    CCLog("Fun CCMask::Create Error!");
    delete mask;
    return nullptr;
}

bool CCMask::initMask(int priorityOffset, bool spinner) {
    if (!CCLayer::init()) {
        return false;
    }
    m_priorityOffset = priorityOffset;
    m_spinner = spinner;
    return true;
}

void CCMask::onEnter() {
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, touchPriority(), true);
    CCLayer::onEnter();
    if (m_spinner) {
        startSpinner();
    }
}

void CCMask::onExit() {
    CCDirector::sharedDirector()->getTouchDispatcher()->removeDelegate(this);
    CCLayer::onExit();
}

bool CCMask::ccTouchBegan(CCTouch*, CCEvent*) { return true; }

void CCMask::startSpinner() {
    if (getChildByTag(kSpinnerTag)) {
        return;
    }
    CCSprite* spinner = CCSprite::create();
    spinner->setPosition(ccp(480, 320));
    spinner->setScale(0.67f);
    spinner->setVisible(false);
    addChild(spinner, 1, kSpinnerTag);

    CCArray* frames = CCArray::create();
    char name[16];
    for (int i = 1; i <= 3; ++i) {
        std::snprintf(name, sizeof(name), "ma%d.png", i);
        if (CCSpriteFrame* frame = CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName(name)) {
            frames->addObject(frame);
        }
    }
    CCFiniteTimeAction* show = CCShow::create();
    if (frames->count() == 0) {
        ClientLog::write("busy spinner frames ma1.png to ma3.png are missing");
        spinner->runAction(CCSequence::create(CCDelayTime::create(1.0f), show, nullptr));
        return;
    }
    spinner->setDisplayFrame(static_cast<CCSpriteFrame*>(frames->objectAtIndex(0)));
    // 0.8 delay units of 0.2 s per frame.
    CCAnimation* animation = CCAnimation::createWithSpriteFrames(frames, 0.16f);
    // Spins for as long as the overlay stands (a sequence needs a finite inner action).
    spinner->runAction(CCSequence::create(CCDelayTime::create(1.0f), show,
                                          CCRepeat::create(CCAnimate::create(animation), 1000000), nullptr));
}

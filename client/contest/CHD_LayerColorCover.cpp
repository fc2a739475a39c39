#include "contest/CHD_LayerColorCover.h"

#include "widgets/Pictures.h"

USING_NS_CC;

namespace {

// The top right corner, where the way out of the contest lies.
const CCRect kOpenCorner(780, 500, 100, 100);
const ccColor4B kShade = {0, 0, 0, 110};
constexpr float kPenSeconds = 4.0f;
constexpr float kPenTension = 0.5f;

// A loop over the words, so the pen seems to write along them and comes back to its start.
CCActionInterval* writingLoop(const CCPoint& start) {
    CCPointArray* points = CCPointArray::create(6);
    const CCPoint path[] = {ccp(0, 0), ccp(-120, 30), ccp(-200, -10), ccp(60, 20), ccp(190, -20), ccp(0, 0)};
    for (const CCPoint& p : path) points->addControlPoint(ccpAdd(start, p));
    return CCCardinalSplineTo::create(kPenSeconds, points, kPenTension);
}

} // namespace

CHD_LayerColorCover* CHD_LayerColorCover::create() {
    auto* cover = new CHD_LayerColorCover;
    if (cover->init()) {
        cover->autorelease();
        return cover;
    }
    CCLog("Fun CHD_LayerColorCover::Create Error!");
    delete cover;
    return nullptr;
}

bool CHD_LayerColorCover::init() {
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    if (!CCLayerColor::initWithColor(kShade, window.width, window.height)) {
        return false;
    }
    const CCPoint words = ccp(window.width / 2, window.height / 2 + 50);
    CCSprite* text = Pictures::sprite("wenzi.png");
    text->setPosition(words);
    addChild(text, 1);

    CCSprite* paper = Pictures::sprite("zhi.png");
    paper->setScale(0.6f);
    paper->setPosition(ccpAdd(words, ccp(0, -10)));
    addChild(paper, 2);
    paper->runAction(CCRepeatForever::create(writingLoop(paper->getPosition())));

    CCSprite* pen = Pictures::sprite("bi.png");
    pen->setScale(0.6f);
    pen->setPosition(ccpAdd(words, ccp(30, 20)));
    addChild(pen, 3);
    pen->runAction(CCRepeatForever::create(writingLoop(pen->getPosition())));
    return true;
}

void CHD_LayerColorCover::onEnter() {
    CCLayerColor::onEnter();
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, kTouchPriority, true);
}

void CHD_LayerColorCover::onExit() {
    CCDirector::sharedDirector()->getTouchDispatcher()->removeDelegate(this);
    CCLayerColor::onExit();
}

bool CHD_LayerColorCover::claims(const CCPoint& point) { return !kOpenCorner.containsPoint(point); }

bool CHD_LayerColorCover::ccTouchBegan(CCTouch* touch, CCEvent*) { return claims(touch->getLocation()); }

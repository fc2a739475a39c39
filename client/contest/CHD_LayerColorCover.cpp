#include "contest/CHD_LayerColorCover.h"

#include "widgets/Pictures.h"

USING_NS_CC;

namespace {

// The top right corner, where the way out of the contest lies.
const CCRect kOpenCorner(780, 500, 100, 100);
const ccColor4B kShade = {0, 0, 0, 110};
constexpr float kPenSeconds = 4.0f;
constexpr float kPenTension = 0.5f;

// A loop round the words, under them and back over them, so the paper never hides them.
CCActionInterval* writingLoop(const CCPoint& start) {
    const CCPoint path[] = {ccp(0, 0),      ccp(140, -68), ccp(290, -74), ccp(440, -68), ccp(560, 0),
                            ccp(440, 68),   ccp(290, 74),  ccp(140, 68),  ccp(0, 0)};
    CCPointArray* points = CCPointArray::create(9);
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

    // Paper under the words, the pen on the paper; both start at the left end of the words.
    const CCPoint start = ccpAdd(words, ccp(-280, 0));
    CCSprite* paper = Pictures::sprite("zhi.png");
    paper->setScale(0.6f);
    paper->setPosition(start);
    addChild(paper, 0);
    paper->runAction(CCRepeatForever::create(writingLoop(start)));

    CCSprite* pen = Pictures::sprite("bi.png");
    pen->setScale(0.6f);
    pen->setPosition(ccpAdd(start, ccp(16, 16)));
    addChild(pen, 2);
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

#include "contest/CHD_PlayLayerColorCover.h"

#include "contest/CHD_LayerColorCover.h"
#include "widgets/Pictures.h"

USING_NS_CC;

CHD_PlayLayerColorCover* CHD_PlayLayerColorCover::create() {
    auto* cover = new CHD_PlayLayerColorCover;
    if (cover->init()) {
        cover->autorelease();
        return cover;
    }
    CCLog("Fun CHD_PlayLayerColorCover::Create Error!");
    delete cover;
    return nullptr;
}

bool CHD_PlayLayerColorCover::init() {
    if (!CCLayerColor::initWithColor(ccc4(0, 0, 0, 0), kWidth, kHeight)) {
        return false;
    }
    const CCSize window = CCDirector::sharedDirector()->getWinSize();
    setPosition(ccp((window.width - kWidth) / 2, window.height / 2 + 100 - kHeight / 2));
    return true;
}

void CHD_PlayLayerColorCover::onEnter() {
    CCLayerColor::onEnter();
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(
        this, CHD_LayerColorCover::kTouchPriority, true);
}

void CHD_PlayLayerColorCover::onExit() {
    CCDirector::sharedDirector()->getTouchDispatcher()->removeDelegate(this);
    CCLayerColor::onExit();
}

bool CHD_PlayLayerColorCover::ccTouchBegan(CCTouch* touch, CCEvent*) {
    return boundingBox().containsPoint(getParent() ? getParent()->convertTouchToNodeSpace(touch)
                                                   : touch->getLocation());
}

CCSprite* CHD_PlayLayerColorCover::addMark(const std::string& picture, const CCPoint& windowPoint, float scale,
                                           int tag) {
    if (getChildByTag(tag)) {
        removeChildByTag(tag, true);
    }
    CCSprite* mark = Pictures::sprite(picture);
    mark->setScale(scale);
    mark->setPosition(ccpSub(windowPoint, getPosition()));
    addChild(mark, 1, tag);
    m_pictures[tag] = picture;
    return mark;
}

void CHD_PlayLayerColorCover::addCaption(const std::string& text, const CCPoint& windowPoint) {
    CCLabelTTF* caption = Pictures::label(text, 20, CCSizeZero, kCCTextAlignmentCenter);
    caption->setColor(ccc3(110, 62, 24));
    caption->setPosition(ccpSub(windowPoint, getPosition()));
    addChild(caption, 2);
}

std::string CHD_PlayLayerColorCover::markPicture(int tag) const {
    auto found = m_pictures.find(tag);
    return found == m_pictures.end() || const_cast<CHD_PlayLayerColorCover*>(this)->getChildByTag(tag) == nullptr ? std::string() : found->second;
}

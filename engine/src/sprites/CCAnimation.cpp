#include "sprites/CCAnimation.h"

#include "base/CCGeometry.h"
#include "sprites/CCSpriteFrame.h"
#include "sprites/CCTexture2D.h"
#include "sprites/CCTextureCache.h"

namespace cocos2d {

CCAnimationFrame::~CCAnimationFrame()
{
    CC_SAFE_RELEASE(m_spriteFrame);
    CC_SAFE_RELEASE(m_userInfo);
}

bool CCAnimationFrame::initWithSpriteFrame(CCSpriteFrame* spriteFrame, float delayUnits, CCDictionary* userInfo)
{
    setSpriteFrame(spriteFrame);
    setUserInfo(userInfo);
    m_delayUnits = delayUnits;
    return true;
}

void CCAnimationFrame::setSpriteFrame(CCSpriteFrame* frame)
{
    CC_SAFE_RETAIN(frame);
    CC_SAFE_RELEASE(m_spriteFrame);
    m_spriteFrame = frame;
}

void CCAnimationFrame::setUserInfo(CCDictionary* info)
{
    CC_SAFE_RETAIN(info);
    CC_SAFE_RELEASE(m_userInfo);
    m_userInfo = info;
}

CCObject* CCAnimationFrame::copyWithZone(CCZone*)
{
    auto* f = new CCAnimationFrame();
    f->initWithSpriteFrame(m_spriteFrame, m_delayUnits, m_userInfo);
    return f;
}

CCAnimation::CCAnimation()
{
    m_frames = CCArray::create();
    m_frames->retain();
}

CCAnimation::~CCAnimation()
{
    CC_SAFE_RELEASE(m_frames);
}

CCAnimation* CCAnimation::create()
{
    auto* a = new CCAnimation();
    a->autorelease();
    return a;
}

CCAnimation* CCAnimation::createWithSpriteFrames(CCArray* spriteFrames, float delay)
{
    auto* a = new CCAnimation();
    a->initWithSpriteFrames(spriteFrames, delay);
    a->autorelease();
    return a;
}

CCAnimation* CCAnimation::create(CCArray* animationFrames, float delayPerUnit, unsigned int loops)
{
    auto* a = new CCAnimation();
    a->initWithAnimationFrames(animationFrames, delayPerUnit, loops);
    a->autorelease();
    return a;
}

bool CCAnimation::initWithSpriteFrames(CCArray* spriteFrames, float delay)
{
    m_delayPerUnit = delay;
    m_loops = 1;
    m_frames->removeAllObjects();
    m_totalDelayUnits = 0;
    if (spriteFrames)
        for (unsigned i = 0; i < spriteFrames->count(); ++i)
            addSpriteFrame(static_cast<CCSpriteFrame*>(spriteFrames->objectAtIndex(i)));
    return true;
}

bool CCAnimation::initWithAnimationFrames(CCArray* animationFrames, float delayPerUnit, unsigned int loops)
{
    m_delayPerUnit = delayPerUnit;
    m_loops = loops;
    setFrames(animationFrames);
    return true;
}

void CCAnimation::setFrames(CCArray* frames)
{
    m_frames->removeAllObjects();
    m_totalDelayUnits = 0;
    if (!frames)
        return;
    for (unsigned i = 0; i < frames->count(); ++i) {
        auto* f = static_cast<CCAnimationFrame*>(frames->objectAtIndex(i));
        m_frames->addObject(f);
        m_totalDelayUnits += f->getDelayUnits();
    }
}

void CCAnimation::addSpriteFrame(CCSpriteFrame* frame)
{
    if (!frame)
        return;
    auto* f = new CCAnimationFrame();
    f->initWithSpriteFrame(frame, 1, nullptr);
    m_frames->addObject(f);
    f->release();
    m_totalDelayUnits += 1;
}

void CCAnimation::addSpriteFrameWithFileName(const char* filename)
{
    CCTexture2D* texture = CCTextureCache::sharedTextureCache()->addImage(filename);
    if (texture)
        addSpriteFrameWithTexture(texture, CCRect(0, 0, static_cast<float>(texture->getPixelsWide()),
                                                  static_cast<float>(texture->getPixelsHigh())));
}

void CCAnimation::addSpriteFrameWithTexture(CCTexture2D* texture, const CCRect& rect)
{
    addSpriteFrame(CCSpriteFrame::createWithTexture(texture, rect));
}

CCObject* CCAnimation::copyWithZone(CCZone*)
{
    auto* a = new CCAnimation();
    a->initWithAnimationFrames(m_frames, m_delayPerUnit, m_loops);
    a->setRestoreOriginalFrame(m_restoreOriginalFrame);
    return a;
}

} // namespace cocos2d

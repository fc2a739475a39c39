#include "sprites/CCAnimate.h"

#include <cmath>

#include "base/CCConsole.h"
#include "sprites/CCAnimation.h"
#include "sprites/CCSprite.h"
#include "sprites/CCSpriteFrame.h"

namespace cocos2d {

CCAnimate::~CCAnimate()
{
    CC_SAFE_RELEASE(m_animation);
    CC_SAFE_RELEASE(m_origFrame);
}

CCAnimate* CCAnimate::create(CCAnimation* animation)
{
    auto* a = new CCAnimate();
    if (!a->initWithAnimation(animation)) {
        delete a;
        return nullptr;
    }
    a->autorelease();
    return a;
}

bool CCAnimate::initWithAnimation(CCAnimation* animation)
{
    if (!animation) {
        CCLog("CCAnimate: no animation");
        return false;
    }
    const float single = animation->getDuration();
    if (!initWithDuration(single * static_cast<float>(animation->getLoops())))
        return false;
    CC_SAFE_RETAIN(animation);
    CC_SAFE_RELEASE(m_animation);
    m_animation = animation;
    m_splitTimes.clear();
    float accumulated = 0;
    const float total = animation->getTotalDelayUnits();
    CCArray* frames = animation->getFrames();
    for (unsigned i = 0; i < frames->count(); ++i) {
        auto* f = static_cast<CCAnimationFrame*>(frames->objectAtIndex(i));
        m_splitTimes.push_back(total > 0 ? accumulated / total : 0.0f);
        accumulated += f->getDelayUnits();
    }
    return true;
}

void CCAnimate::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    auto* sprite = dynamic_cast<CCSprite*>(target);
    CC_SAFE_RELEASE_NULL(m_origFrame);
    if (m_animation->getRestoreOriginalFrame() && sprite) {
        m_origFrame = sprite->displayFrame();
        m_origFrame->retain();
    }
    m_nextFrame = 0;
    m_executedLoops = 0;
}

void CCAnimate::stop()
{
    auto* sprite = dynamic_cast<CCSprite*>(m_pTarget);
    if (m_animation->getRestoreOriginalFrame() && sprite && m_origFrame)
        sprite->setDisplayFrame(m_origFrame);
    CCActionInterval::stop();
}

void CCAnimate::update(float t)
{
    if (t < 1.0f) {
        t *= static_cast<float>(m_animation->getLoops());
        const auto loop = static_cast<unsigned int>(t);
        if (loop > m_executedLoops) {
            m_nextFrame = 0;
            ++m_executedLoops;
        }
        t = std::fmod(t, 1.0f);
    }
    auto* sprite = dynamic_cast<CCSprite*>(m_pTarget);
    if (!sprite)
        return;
    CCArray* frames = m_animation->getFrames();
    const int count = static_cast<int>(frames->count());
    for (int i = m_nextFrame; i < count; ++i) {
        if (m_splitTimes[static_cast<std::size_t>(i)] > t)
            break;
        auto* f = static_cast<CCAnimationFrame*>(frames->objectAtIndex(static_cast<unsigned>(i)));
        sprite->setDisplayFrame(f->getSpriteFrame());
        m_nextFrame = i + 1;
    }
}

CCActionInterval* CCAnimate::reverse()
{
    CCArray* frames = m_animation->getFrames();
    CCArray* reversed = CCArray::createWithCapacity(frames->count());
    for (unsigned i = frames->count(); i-- > 0;) {
        auto* copy = static_cast<CCAnimationFrame*>(frames->objectAtIndex(i)->copy());
        reversed->addObject(copy);
        copy->release();
    }
    CCAnimation* a = CCAnimation::create(reversed, m_animation->getDelayPerUnit(), m_animation->getLoops());
    a->setRestoreOriginalFrame(m_animation->getRestoreOriginalFrame());
    return create(a);
}

CCObject* CCAnimate::copyWithZone(CCZone*)
{
    auto* a = new CCAnimate();
    auto* anim = static_cast<CCAnimation*>(m_animation->copy());
    a->initWithAnimation(anim);
    anim->release();
    return a;
}

} // namespace cocos2d

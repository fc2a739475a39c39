#include "actions/CCSpawn.h"

#include "actions/ActionChain.h"
#include "actions/ActionSupport.h"
#include "actions/CCActionInstant.h"
#include "actions/CCDelayTime.h"
#include "actions/CCSequence.h"
#include "base/CCConsole.h"

namespace cocos2d {

CCSpawn::~CCSpawn()
{
    CC_SAFE_RELEASE(m_pOne);
    CC_SAFE_RELEASE(m_pTwo);
}

CCSpawn* CCSpawn::createWithTwoActions(CCFiniteTimeAction* action1, CCFiniteTimeAction* action2)
{
    auto* spawn = new CCSpawn();
    return detail::autoreleased(spawn, spawn->initWithTwoActions(action1, action2));
}

CCSpawn* CCSpawn::create(CCFiniteTimeAction* action1, ...)
{
    va_list args;
    va_start(args, action1);
    CCSpawn* spawn = createWithVariableList(action1, args);
    va_end(args);
    return spawn;
}

CCSpawn* CCSpawn::createWithVariableList(CCFiniteTimeAction* action1, va_list args)
{
    return detail::chainFromList<CCSpawn>("CCSpawn", action1, args);
}

CCSpawn* CCSpawn::create(CCArray* arrayOfActions)
{
    return detail::chainFromArray<CCSpawn>("CCSpawn", arrayOfActions);
}

bool CCSpawn::initWithTwoActions(CCFiniteTimeAction* action1, CCFiniteTimeAction* action2)
{
    if (!action1 || !action2) {
        CCLog("CCSpawn: null action refused");
        return false;
    }
    const float d1 = action1->getDuration();
    const float d2 = action2->getDuration();
    CCActionInterval::initWithDuration(std::max(d1, d2));
    m_pOne = action1;
    m_pTwo = action2;
    // Pad the shorter one so both see the same t.
    if (d1 > d2)
        m_pTwo = CCSequence::createWithTwoActions(action2, CCDelayTime::create(d1 - d2));
    else if (d1 < d2)
        m_pOne = CCSequence::createWithTwoActions(action1, CCDelayTime::create(d2 - d1));
    m_pOne->retain();
    m_pTwo->retain();
    return true;
}

CCObject* CCSpawn::copyWithZone(CCZone*)
{
    auto* one = static_cast<CCFiniteTimeAction*>(m_pOne->copy());
    auto* two = static_cast<CCFiniteTimeAction*>(m_pTwo->copy());
    auto* copy = new CCSpawn();
    copy->initWithTwoActions(one, two);
    one->release();
    two->release();
    return copy;
}

void CCSpawn::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    m_pOne->startWithTarget(target);
    m_pTwo->startWithTarget(target);
}

void CCSpawn::stop()
{
    m_pOne->stop();
    m_pTwo->stop();
    CCActionInterval::stop();
}

void CCSpawn::update(float t)
{
    if (m_pOne)
        m_pOne->update(t);
    if (m_pTwo)
        m_pTwo->update(t);
}

CCActionInterval* CCSpawn::reverse()
{
    CCFiniteTimeAction* one = m_pOne->reverse();
    CCFiniteTimeAction* two = m_pTwo->reverse();
    if (!one || !two)
        return nullptr;
    return createWithTwoActions(one, two);
}

} // namespace cocos2d

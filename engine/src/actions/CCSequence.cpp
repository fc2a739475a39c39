#include "actions/CCSequence.h"

#include "actions/ActionChain.h"
#include "actions/ActionSupport.h"
#include "actions/CCActionInstant.h"
#include "base/CCConsole.h"

namespace cocos2d {

CCSequence::~CCSequence()
{
    CC_SAFE_RELEASE(m_pActions[0]);
    CC_SAFE_RELEASE(m_pActions[1]);
}

CCSequence* CCSequence::createWithTwoActions(CCFiniteTimeAction* actionOne, CCFiniteTimeAction* actionTwo)
{
    auto* sequence = new CCSequence();
    return detail::autoreleased(sequence, sequence->initWithTwoActions(actionOne, actionTwo));
}

CCSequence* CCSequence::create(CCFiniteTimeAction* action1, ...)
{
    va_list args;
    va_start(args, action1);
    CCSequence* sequence = createWithVariableList(action1, args);
    va_end(args);
    return sequence;
}

CCSequence* CCSequence::createWithVariableList(CCFiniteTimeAction* action1, va_list args)
{
    return detail::chainFromList<CCSequence>("CCSequence", action1, args);
}

CCSequence* CCSequence::create(CCArray* arrayOfActions)
{
    return detail::chainFromArray<CCSequence>("CCSequence", arrayOfActions);
}

bool CCSequence::initWithTwoActions(CCFiniteTimeAction* actionOne, CCFiniteTimeAction* actionTwo)
{
    if (!actionOne || !actionTwo) {
        CCLog("CCSequence: null action refused");
        return false;
    }
    CCActionInterval::initWithDuration(actionOne->getDuration() + actionTwo->getDuration());
    actionOne->retain();
    actionTwo->retain();
    m_pActions[0] = actionOne;
    m_pActions[1] = actionTwo;
    return true;
}

CCObject* CCSequence::copyWithZone(CCZone*)
{
    auto* one = static_cast<CCFiniteTimeAction*>(m_pActions[0]->copy());
    auto* two = static_cast<CCFiniteTimeAction*>(m_pActions[1]->copy());
    auto* copy = new CCSequence();
    copy->initWithTwoActions(one, two);
    one->release();
    two->release();
    return copy;
}

void CCSequence::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    m_split = m_pActions[0]->getDuration() / m_fDuration;
    m_last = -1;
}

void CCSequence::stop()
{
    if (m_last != -1)
        m_pActions[m_last]->stop();
    CCActionInterval::stop();
}

void CCSequence::update(float t)
{
    int found;
    float localT;
    if (t < m_split) {
        found = 0;
        localT = m_split != 0 ? t / m_split : 1;
    } else {
        found = 1;
        localT = m_split == 1 ? 1 : (t - m_split) / (1 - m_split);
    }

    if (found == 1) {
        if (m_last == -1) {
            // The first part was jumped over: still give it its whole run.
            m_pActions[0]->startWithTarget(m_pTarget);
            m_pActions[0]->update(1.0f);
            m_pActions[0]->stop();
        } else if (m_last == 0) {
            m_pActions[0]->update(1.0f);
            m_pActions[0]->stop();
        }
    } else if (m_last == 1) {
        // Time went back (reverse or an overshooting ease): undo the second part.
        m_pActions[1]->update(0);
        m_pActions[1]->stop();
    }

    // An instant second part fires once only.
    if (found == m_last && m_pActions[found]->isDone())
        return;
    if (found != m_last)
        m_pActions[found]->startWithTarget(m_pTarget);
    m_pActions[found]->update(localT);
    m_last = found;
}

CCActionInterval* CCSequence::reverse()
{
    CCFiniteTimeAction* two = m_pActions[1]->reverse();
    CCFiniteTimeAction* one = m_pActions[0]->reverse();
    if (!one || !two)
        return nullptr;
    return createWithTwoActions(two, one);
}

} // namespace cocos2d

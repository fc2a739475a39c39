#include "actions/CCEaseElasticOut.h"

#include <cmath>

#include "actions/CCEaseElasticIn.h"
#include "actions/ActionSupport.h"

namespace cocos2d {

namespace {
constexpr float kPi = 3.14159265358979f;
}

CCEaseElasticOut* CCEaseElasticOut::create(CCActionInterval* action, float period)
{
    auto* ease = new CCEaseElasticOut();
    return detail::autoreleased(ease, ease->initWithAction(action, period));
}

CCEaseElasticOut* CCEaseElasticOut::create(CCActionInterval* action)
{
    return create(action, 0.3f);
}

void CCEaseElasticOut::update(float t)
{
    if (t == 0 || t == 1) {
        m_pInner->update(t);
        return;
    }
    const float s = m_fPeriod / 4;
    m_pInner->update(std::pow(2.0f, -10 * t) * std::sin((t - s) * kPi * 2 / m_fPeriod) + 1);
}

CCObject* CCEaseElasticOut::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseElasticOut();
    copy->initWithAction(inner, m_fPeriod);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseElasticOut::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseElasticIn::create(inner, m_fPeriod) : nullptr;
}

} // namespace cocos2d

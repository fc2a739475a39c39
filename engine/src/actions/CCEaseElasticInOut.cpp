#include "actions/CCEaseElasticInOut.h"

#include <cmath>

#include "actions/ActionSupport.h"

namespace cocos2d {

namespace {
constexpr float kPi = 3.14159265358979f;
}

CCEaseElasticInOut* CCEaseElasticInOut::create(CCActionInterval* action, float period)
{
    auto* ease = new CCEaseElasticInOut();
    return detail::autoreleased(ease, ease->initWithAction(action, period));
}

CCEaseElasticInOut* CCEaseElasticInOut::create(CCActionInterval* action)
{
    return create(action, 0.3f);
}

void CCEaseElasticInOut::update(float t)
{
    if (t == 0 || t == 1) {
        m_pInner->update(t);
        return;
    }
    const float period = m_fPeriod == 0 ? 0.3f * 1.5f : m_fPeriod;
    const float s = period / 4;
    const float u = t * 2 - 1;
    if (u < 0)
        m_pInner->update(-0.5f * std::pow(2.0f, 10 * u) * std::sin((u - s) * kPi * 2 / period));
    else
        m_pInner->update(std::pow(2.0f, -10 * u) * std::sin((u - s) * kPi * 2 / period) * 0.5f + 1);
}

CCObject* CCEaseElasticInOut::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseElasticInOut();
    copy->initWithAction(inner, m_fPeriod);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseElasticInOut::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseElasticInOut::create(inner, m_fPeriod) : nullptr;
}

} // namespace cocos2d

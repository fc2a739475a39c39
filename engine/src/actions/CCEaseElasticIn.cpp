#include "actions/CCEaseElasticIn.h"

#include <cmath>

#include "actions/CCEaseElasticOut.h"
#include "actions/ActionSupport.h"

namespace cocos2d {

namespace {
constexpr float kPi = 3.14159265358979f;
}

CCEaseElasticIn* CCEaseElasticIn::create(CCActionInterval* action, float period)
{
    auto* ease = new CCEaseElasticIn();
    return detail::autoreleased(ease, ease->initWithAction(action, period));
}

CCEaseElasticIn* CCEaseElasticIn::create(CCActionInterval* action)
{
    return create(action, 0.3f);
}

void CCEaseElasticIn::update(float t)
{
    if (t == 0 || t == 1) {
        m_pInner->update(t);
        return;
    }
    const float s = m_fPeriod / 4;
    const float u = t - 1;
    m_pInner->update(-std::pow(2.0f, 10 * u) * std::sin((u - s) * kPi * 2 / m_fPeriod));
}

CCObject* CCEaseElasticIn::copyWithZone(CCZone*)
{
    auto* inner = static_cast<CCActionInterval*>(m_pInner->copy());
    auto* copy = new CCEaseElasticIn();
    copy->initWithAction(inner, m_fPeriod);
    inner->release();
    return copy;
}

CCActionInterval* CCEaseElasticIn::reverse()
{
    CCActionInterval* inner = m_pInner->reverse();
    return inner ? CCEaseElasticOut::create(inner, m_fPeriod) : nullptr;
}

} // namespace cocos2d

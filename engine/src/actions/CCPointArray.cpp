#include "actions/CCPointArray.h"

#include <algorithm>

namespace cocos2d {

CCPointArray* CCPointArray::create(unsigned int capacity)
{
    auto* array = new CCPointArray();
    array->initWithCapacity(capacity);
    array->autorelease();
    return array;
}

bool CCPointArray::initWithCapacity(unsigned int capacity)
{
    m_points.reserve(capacity);
    return true;
}

void CCPointArray::insertControlPoint(CCPoint& controlPoint, unsigned int index)
{
    index = std::min<unsigned int>(index, count());
    m_points.insert(m_points.begin() + index, controlPoint);
}

void CCPointArray::replaceControlPoint(CCPoint& controlPoint, unsigned int index)
{
    if (index < m_points.size())
        m_points[index] = controlPoint;
}

CCPoint CCPointArray::getControlPointAtIndex(unsigned int index) const
{
    if (m_points.empty())
        return CCPointZero;
    return m_points[std::min<std::size_t>(index, m_points.size() - 1)];
}

void CCPointArray::removeControlPointAtIndex(unsigned int index)
{
    if (index < m_points.size())
        m_points.erase(m_points.begin() + index);
}

CCPointArray* CCPointArray::reverse() const
{
    CCPointArray* reversed = CCPointArray::create(count());
    reversed->m_points.assign(m_points.rbegin(), m_points.rend());
    return reversed;
}

void CCPointArray::reverseInline()
{
    std::reverse(m_points.begin(), m_points.end());
}

CCObject* CCPointArray::copyWithZone(CCZone*)
{
    auto* copy = new CCPointArray();
    copy->m_points = m_points;
    return copy;
}

} // namespace cocos2d

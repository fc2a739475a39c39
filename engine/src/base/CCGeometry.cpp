#include "base/CCGeometry.h"

#include <algorithm>
#include <cfloat>

namespace cocos2d {

const CCPoint CCPointZero(0, 0);
const CCSize CCSizeZero(0, 0);
const CCRect CCRectZero(0, 0, 0, 0);

CCPoint::CCPoint(const CCSize& size) : x(size.width), y(size.height) {}

bool CCPoint::fuzzyEquals(const CCPoint& b, float var) const
{
    return x - var <= b.x && b.x <= x + var && y - var <= b.y && b.y <= y + var;
}

float CCPoint::getAngle(const CCPoint& other) const
{
    CCPoint a2 = normalize();
    CCPoint b2 = other.normalize();
    float angle = std::atan2(a2.cross(b2), a2.dot(b2));
    if (std::fabs(angle) < FLT_EPSILON)
        return 0.f;
    return angle;
}

CCPoint CCPoint::getClampPoint(const CCPoint& minInclusive, const CCPoint& maxInclusive) const
{
    return CCPoint(std::min(std::max(x, minInclusive.x), maxInclusive.x),
                   std::min(std::max(y, minInclusive.y), maxInclusive.y));
}

CCPoint CCPoint::normalize() const
{
    float length = getLength();
    if (length == 0.f)
        return CCPoint(1.f, 0);
    return *this / length;
}

CCPoint CCPoint::rotateByAngle(const CCPoint& pivot, float angle) const
{
    return pivot + (*this - pivot).rotate(CCPoint::forAngle(angle));
}

void CCRect::setRect(float x, float y, float width, float height)
{
    origin = CCPoint(x, y);
    size = CCSize(width, height);
}

bool CCRect::containsPoint(const CCPoint& point) const
{
    return point.x >= getMinX() && point.x <= getMaxX() && point.y >= getMinY() && point.y <= getMaxY();
}

bool CCRect::intersectsRect(const CCRect& rect) const
{
    return !(getMaxX() < rect.getMinX() || rect.getMaxX() < getMinX() || getMaxY() < rect.getMinY() ||
             rect.getMaxY() < getMinY());
}

} // namespace cocos2d

#include "base/CCPointExtension.h"

#include <algorithm>
#include <cfloat>

namespace cocos2d {

float ccpAngle(const CCPoint& a, const CCPoint& b)
{
    float angle = std::acos(clampf(ccpDot(ccpNormalize(a), ccpNormalize(b)), -1.f, 1.f));
    if (std::fabs(angle) < FLT_EPSILON)
        return 0.f;
    return angle;
}

float clampf(float value, float minInclusive, float maxInclusive)
{
    if (minInclusive > maxInclusive)
        std::swap(minInclusive, maxInclusive);
    return value < minInclusive ? minInclusive : value < maxInclusive ? value : maxInclusive;
}

} // namespace cocos2d

// The ccp* helpers of 2.2 over CCPoint.
#pragma once

#include "base/CCGeometry.h"

namespace cocos2d {

inline CCPoint ccp(float x, float y) { return CCPoint(x, y); }
inline CCPoint ccpNeg(const CCPoint& v) { return -v; }
inline CCPoint ccpAdd(const CCPoint& a, const CCPoint& b) { return a + b; }
inline CCPoint ccpSub(const CCPoint& a, const CCPoint& b) { return a - b; }
inline CCPoint ccpMult(const CCPoint& v, float s) { return v * s; }
inline CCPoint ccpMidpoint(const CCPoint& a, const CCPoint& b) { return a.getMidpoint(b); }
inline float ccpDot(const CCPoint& a, const CCPoint& b) { return a.dot(b); }
inline float ccpCross(const CCPoint& a, const CCPoint& b) { return a.cross(b); }
inline CCPoint ccpPerp(const CCPoint& v) { return v.getPerp(); }
inline CCPoint ccpRPerp(const CCPoint& v) { return v.getRPerp(); }
inline CCPoint ccpProject(const CCPoint& a, const CCPoint& b) { return a.project(b); }
inline CCPoint ccpRotate(const CCPoint& a, const CCPoint& b) { return a.rotate(b); }
inline CCPoint ccpUnrotate(const CCPoint& a, const CCPoint& b) { return a.unrotate(b); }
inline float ccpLengthSQ(const CCPoint& v) { return v.getLengthSq(); }
inline float ccpDistanceSQ(const CCPoint& a, const CCPoint& b) { return a.getDistanceSq(b); }
inline float ccpLength(const CCPoint& v) { return v.getLength(); }
inline float ccpDistance(const CCPoint& a, const CCPoint& b) { return a.getDistance(b); }
inline CCPoint ccpNormalize(const CCPoint& v) { return v.normalize(); }
inline CCPoint ccpForAngle(float a) { return CCPoint::forAngle(a); }
inline float ccpToAngle(const CCPoint& v) { return v.getAngle(); }
inline CCPoint ccpLerp(const CCPoint& a, const CCPoint& b, float alpha) { return a.lerp(b, alpha); }
inline bool ccpFuzzyEqual(const CCPoint& a, const CCPoint& b, float variance) { return a.fuzzyEquals(b, variance); }
inline CCPoint ccpCompMult(const CCPoint& a, const CCPoint& b) { return CCPoint(a.x * b.x, a.y * b.y); }
inline float ccpAngleSigned(const CCPoint& a, const CCPoint& b) { return a.getAngle(b); }
float ccpAngle(const CCPoint& a, const CCPoint& b);
inline CCPoint ccpRotateByAngle(const CCPoint& v, const CCPoint& pivot, float angle) { return v.rotateByAngle(pivot, angle); }
inline CCPoint ccpClamp(const CCPoint& p, const CCPoint& minInclusive, const CCPoint& maxInclusive)
{
    return p.getClampPoint(minInclusive, maxInclusive);
}
inline CCPoint ccpFromSize(const CCSize& s) { return CCPoint(s); }
float clampf(float value, float minInclusive, float maxInclusive);

} // namespace cocos2d

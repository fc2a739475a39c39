#include "base/CCAffineTransform.h"

#include <algorithm>
#include <cmath>

namespace cocos2d {

const CCAffineTransform CCAffineTransformIdentity = {1, 0, 0, 1, 0, 0};

CCAffineTransform __CCAffineTransformMake(float a, float b, float c, float d, float tx, float ty)
{
    return CCAffineTransform{a, b, c, d, tx, ty};
}

CCPoint __CCPointApplyAffineTransform(const CCPoint& p, const CCAffineTransform& t)
{
    return CCPoint(t.a * p.x + t.c * p.y + t.tx, t.b * p.x + t.d * p.y + t.ty);
}

CCSize __CCSizeApplyAffineTransform(const CCSize& s, const CCAffineTransform& t)
{
    return CCSize(t.a * s.width + t.c * s.height, t.b * s.width + t.d * s.height);
}

CCAffineTransform CCAffineTransformMakeIdentity()
{
    return CCAffineTransformIdentity;
}

CCRect CCRectApplyAffineTransform(const CCRect& rect, const CCAffineTransform& t)
{
    const float top = rect.getMinY(), left = rect.getMinX(), right = rect.getMaxX(), bottom = rect.getMaxY();
    const CCPoint corners[4] = {
        CCPointApplyAffineTransform(CCPoint(left, top), t),
        CCPointApplyAffineTransform(CCPoint(right, top), t),
        CCPointApplyAffineTransform(CCPoint(left, bottom), t),
        CCPointApplyAffineTransform(CCPoint(right, bottom), t),
    };
    float minX = corners[0].x, maxX = corners[0].x, minY = corners[0].y, maxY = corners[0].y;
    for (const CCPoint& c : corners) {
        minX = std::min(minX, c.x);
        maxX = std::max(maxX, c.x);
        minY = std::min(minY, c.y);
        maxY = std::max(maxY, c.y);
    }
    return CCRect(minX, minY, maxX - minX, maxY - minY);
}

CCAffineTransform CCAffineTransformTranslate(const CCAffineTransform& t, float tx, float ty)
{
    return CCAffineTransform{t.a, t.b, t.c, t.d, t.tx + t.a * tx + t.c * ty, t.ty + t.b * tx + t.d * ty};
}

CCAffineTransform CCAffineTransformScale(const CCAffineTransform& t, float sx, float sy)
{
    return CCAffineTransform{t.a * sx, t.b * sx, t.c * sy, t.d * sy, t.tx, t.ty};
}

CCAffineTransform CCAffineTransformRotate(const CCAffineTransform& t, float angle)
{
    const float s = std::sin(angle), c = std::cos(angle);
    return CCAffineTransform{t.a * c + t.c * s, t.b * c + t.d * s, t.c * c - t.a * s, t.d * c - t.b * s, t.tx, t.ty};
}

CCAffineTransform CCAffineTransformConcat(const CCAffineTransform& t1, const CCAffineTransform& t2)
{
    return CCAffineTransform{t1.a * t2.a + t1.b * t2.c,           t1.a * t2.b + t1.b * t2.d,
                             t1.c * t2.a + t1.d * t2.c,           t1.c * t2.b + t1.d * t2.d,
                             t1.tx * t2.a + t1.ty * t2.c + t2.tx, t1.tx * t2.b + t1.ty * t2.d + t2.ty};
}

bool CCAffineTransformEqualToTransform(const CCAffineTransform& t1, const CCAffineTransform& t2)
{
    return t1.a == t2.a && t1.b == t2.b && t1.c == t2.c && t1.d == t2.d && t1.tx == t2.tx && t1.ty == t2.ty;
}

CCAffineTransform CCAffineTransformInvert(const CCAffineTransform& t)
{
    const float det = t.a * t.d - t.b * t.c;
    if (det == 0.f)
        return CCAffineTransformIdentity; // degenerate (scale 0): nothing sensible to return
    const float inv = 1.0f / det;
    return CCAffineTransform{inv * t.d,  -inv * t.b, -inv * t.c, inv * t.a, inv * (t.c * t.ty - t.d * t.tx),
                             inv * (t.b * t.tx - t.a * t.ty)};
}

} // namespace cocos2d

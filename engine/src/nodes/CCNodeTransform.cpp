// CCNode: transforms and space conversions.
#include <cmath>

#include "nodes/CCCamera.h"
#include "nodes/CCNode.h"
#include "touch/CCTouch.h"

namespace cocos2d {

CCAffineTransform CCNode::nodeToParentTransform()
{
    if (!m_transformDirty)
        return m_transform;

    // parent = position + (ignoreAnchor ? AP : 0) + R(S * K(p - AP)); R clockwise, K the skew.
    float x = m_position.x;
    float y = m_position.y;
    if (m_ignoreAnchorPointForPosition) {
        x += m_anchorPointInPoints.x;
        y += m_anchorPointInPoints.y;
    }
    const float radiansX = -CC_DEGREES_TO_RADIANS(m_rotationX);
    const float radiansY = -CC_DEGREES_TO_RADIANS(m_rotationY);
    const float cx = std::cos(radiansX), sx = std::sin(radiansX);
    const float cy = std::cos(radiansY), sy = std::sin(radiansY);

    // Rotation and scale: x axis -> (cy, sy) * scaleX, y axis -> (-sx, cx) * scaleY.
    float a = cy * m_scaleX, b = sy * m_scaleX;
    float c = -sx * m_scaleY, d = cx * m_scaleY;

    if (m_skewX != 0 || m_skewY != 0) {
        const float tanX = std::tan(CC_DEGREES_TO_RADIANS(m_skewX));
        const float tanY = std::tan(CC_DEGREES_TO_RADIANS(m_skewY));
        // M = RS * K with K = [[1, tanX], [tanY, 1]]
        const float na = a + c * tanY, nb = b + d * tanY;
        const float nc = a * tanX + c, nd = b * tanX + d;
        a = na;
        b = nb;
        c = nc;
        d = nd;
    }
    // Translation so that AP maps to (x, y).
    const float apx = m_anchorPointInPoints.x, apy = m_anchorPointInPoints.y;
    x -= a * apx + c * apy;
    y -= b * apx + d * apy;

    m_transform = CCAffineTransformMake(a, b, c, d, x, y);
    m_transformDirty = false;
    return m_transform;
}

CCAffineTransform CCNode::parentToNodeTransform()
{
    if (m_inverseDirty || m_transformDirty) {
        m_inverse = CCAffineTransformInvert(nodeToParentTransform());
        m_inverseDirty = false;
    }
    return m_inverse;
}

CCAffineTransform CCNode::nodeToWorldTransform()
{
    CCAffineTransform t = nodeToParentTransform();
    for (CCNode* p = m_parent; p; p = p->getParent())
        t = CCAffineTransformConcat(t, p->nodeToParentTransform());
    return t;
}

CCAffineTransform CCNode::worldToNodeTransform()
{
    return CCAffineTransformInvert(nodeToWorldTransform());
}

Mat4 CCNode::nodeToParentMatrix()
{
    CCAffineTransform t = nodeToParentTransform();
    Mat4 m = Mat4::fromAffine(t.a, t.b, t.c, t.d, t.tx, t.ty);
    if (m_vertexZ != 0)
        m.at(2, 3) = m_vertexZ;
    if (m_camera && m_camera->isDirty()) {
        // The camera looks at the node around its anchor point.
        const float apx = m_anchorPointInPoints.x, apy = m_anchorPointInPoints.y;
        m = m * Mat4::translation(apx, apy, 0) * m_camera->viewMatrix() * Mat4::translation(-apx, -apy, 0);
    }
    return m;
}

CCPoint CCNode::convertToNodeSpace(const CCPoint& worldPoint)
{
    return CCPointApplyAffineTransform(worldPoint, worldToNodeTransform());
}

CCPoint CCNode::convertToWorldSpace(const CCPoint& nodePoint)
{
    return CCPointApplyAffineTransform(nodePoint, nodeToWorldTransform());
}

CCPoint CCNode::convertToNodeSpaceAR(const CCPoint& worldPoint)
{
    return convertToNodeSpace(worldPoint) - m_anchorPointInPoints;
}

CCPoint CCNode::convertToWorldSpaceAR(const CCPoint& nodePoint)
{
    return convertToWorldSpace(nodePoint + m_anchorPointInPoints);
}

CCPoint CCNode::convertTouchToNodeSpace(CCTouch* touch)
{
    if (!touch)
        return CCPointZero;
    return convertToNodeSpace(touch->getLocation());
}

CCPoint CCNode::convertTouchToNodeSpaceAR(CCTouch* touch)
{
    if (!touch)
        return CCPointZero;
    return convertToNodeSpaceAR(touch->getLocation());
}

} // namespace cocos2d

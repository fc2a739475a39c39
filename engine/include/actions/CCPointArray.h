#pragma once

#include "base/CCObject.h"
#include "base/CCGeometry.h"
#include <vector>

namespace cocos2d {

class CCPointArray : public CCObject {
public:
    static CCPointArray* create(unsigned int capacity);
    bool initWithCapacity(unsigned int capacity);

    void addControlPoint(CCPoint controlPoint) { m_points.push_back(controlPoint); }
    void insertControlPoint(CCPoint& controlPoint, unsigned int index);
    void replaceControlPoint(CCPoint& controlPoint, unsigned int index);
    // Index clamped to the valid range (so an index that wrapped below 0 gives the last point).
    CCPoint getControlPointAtIndex(unsigned int index) const;
    void removeControlPointAtIndex(unsigned int index);
    unsigned int count() const { return static_cast<unsigned int>(m_points.size()); }
    // New autoreleased array in reverse order.
    CCPointArray* reverse() const;
    void reverseInline();
    CCObject* copyWithZone(CCZone* zone) override;
    const std::vector<CCPoint>& getControlPoints() const { return m_points; }
    void setControlPoints(const std::vector<CCPoint>& points) { m_points = points; }

private:
    std::vector<CCPoint> m_points;
};

} // namespace cocos2d

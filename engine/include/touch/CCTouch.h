// One finger (here: the left mouse button, id 0). Points are stored in view space (design points,
// y down) like 2.2; the getters without "InView" give GL/design coordinates (y up).
#pragma once

#include "base/CCGeometry.h"
#include "base/CCObject.h"

namespace cocos2d {

class CCTouch : public CCObject {
public:
    CCTouch() = default;

    CCPoint getLocation() const;
    CCPoint getPreviousLocation() const;
    CCPoint getStartLocation() const;
    CCPoint getDelta() const;
    CCPoint getLocationInView() const { return m_point; }
    CCPoint getPreviousLocationInView() const { return m_prevPoint; }
    CCPoint getStartLocationInView() const { return m_startPoint; }

    // View-space point; the first call also sets the start point.
    void setTouchInfo(int id, float x, float y);
    int getID() const { return m_id; }

private:
    int m_id = 0;
    bool m_startPointCaptured = false;
    CCPoint m_startPoint;
    CCPoint m_point;
    CCPoint m_prevPoint;
};

} // namespace cocos2d

// A node's own camera: a look-at applied around the node's anchor point while visiting (used by
// CCOrbitCamera for flips). Hit tests and boundingBox ignore it.
#pragma once

#include "base/CCObject.h"
#include "render/Mat4.h"

namespace cocos2d {

class CCCamera : public CCObject {
public:
    CCCamera() { restore(); }

    void restore();
    // True once eye/center/up differ from the defaults (eye (0,0,FLT_EPSILON) looking at 0, up y).
    bool isDirty() const { return m_dirty; }
    void setDirty(bool dirty) { m_dirty = dirty; }

    void setEyeXYZ(float x, float y, float z);
    void setCenterXYZ(float x, float y, float z);
    void setUpXYZ(float x, float y, float z);
    void getEyeXYZ(float* x, float* y, float* z) const;
    void getCenterXYZ(float* x, float* y, float* z) const;
    void getUpXYZ(float* x, float* y, float* z) const;

    // The look-at matrix.
    Mat4 viewMatrix() const;
    static float getZEye();

private:
    float m_eye[3];
    float m_center[3];
    float m_up[3];
    bool m_dirty = false;
};

} // namespace cocos2d

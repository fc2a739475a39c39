#include "nodes/CCCamera.h"

#include <cfloat>

#include "director/CCDirector.h"

namespace cocos2d {

void CCCamera::restore()
{
    m_eye[0] = m_eye[1] = 0.0f;
    m_eye[2] = FLT_EPSILON;
    m_center[0] = m_center[1] = m_center[2] = 0.0f;
    m_up[0] = 0.0f;
    m_up[1] = 1.0f;
    m_up[2] = 0.0f;
    m_dirty = false;
}

void CCCamera::setEyeXYZ(float x, float y, float z)
{
    m_eye[0] = x;
    m_eye[1] = y;
    m_eye[2] = z;
    m_dirty = true;
}

void CCCamera::setCenterXYZ(float x, float y, float z)
{
    m_center[0] = x;
    m_center[1] = y;
    m_center[2] = z;
    m_dirty = true;
}

void CCCamera::setUpXYZ(float x, float y, float z)
{
    m_up[0] = x;
    m_up[1] = y;
    m_up[2] = z;
    m_dirty = true;
}

void CCCamera::getEyeXYZ(float* x, float* y, float* z) const
{
    *x = m_eye[0];
    *y = m_eye[1];
    *z = m_eye[2];
}

void CCCamera::getCenterXYZ(float* x, float* y, float* z) const
{
    *x = m_center[0];
    *y = m_center[1];
    *z = m_center[2];
}

void CCCamera::getUpXYZ(float* x, float* y, float* z) const
{
    *x = m_up[0];
    *y = m_up[1];
    *z = m_up[2];
}

Mat4 CCCamera::viewMatrix() const
{
    return Mat4::lookAt(m_eye[0], m_eye[1], m_eye[2], m_center[0], m_center[1], m_center[2], m_up[0], m_up[1],
                        m_up[2]);
}

float CCCamera::getZEye()
{
    return FLT_EPSILON;
}

} // namespace cocos2d

#include "actions/CCActionCamera.h"

#include "actions/CCReverseTime.h"
#include "nodes/CCCamera.h"
#include "nodes/CCNode.h"

namespace cocos2d {

void CCActionCamera::startWithTarget(CCNode* target)
{
    CCActionInterval::startWithTarget(target);
    CCCamera* camera = target->getCamera();
    camera->getCenterXYZ(&m_fCenterXOrig, &m_fCenterYOrig, &m_fCenterZOrig);
    camera->getEyeXYZ(&m_fEyeXOrig, &m_fEyeYOrig, &m_fEyeZOrig);
    camera->getUpXYZ(&m_fUpXOrig, &m_fUpYOrig, &m_fUpZOrig);
}

CCActionInterval* CCActionCamera::reverse()
{
    return CCReverseTime::create(this);
}

} // namespace cocos2d

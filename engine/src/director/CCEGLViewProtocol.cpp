#include "director/CCEGLViewProtocol.h"

#include <algorithm>

#include "base/CCConsole.h"
#include "director/CCDirector.h"
#include "render/Renderer.h"
#include "touch/CCTouchDispatcher.h"

namespace cocos2d {

void CCEGLViewProtocol::setFrameSize(float width, float height)
{
    m_frameSize = CCSize(width, height);
    if (m_designResolutionSize.width <= 0 || m_designResolutionSize.height <= 0)
        m_designResolutionSize = m_frameSize;
    updateDesignResolution();
}

void CCEGLViewProtocol::setDesignResolutionSize(float width, float height, ResolutionPolicy policy)
{
    if (width <= 0 || height <= 0) {
        CCLog("CCEGLViewProtocol::setDesignResolutionSize: %gx%g refused", width, height);
        return;
    }
    m_designResolutionSize = CCSize(width, height);
    m_resolutionPolicy = policy;
    updateDesignResolution();
    CCDirector* director = CCDirector::sharedDirector();
    if (director->getOpenGLView() == this)
        director->m_winSizeInPoints = m_designResolutionSize;
}

void CCEGLViewProtocol::updateDesignResolution()
{
    if (m_designResolutionSize.width <= 0 || m_designResolutionSize.height <= 0 || m_frameSize.width <= 0 ||
        m_frameSize.height <= 0)
        return;
    m_scaleX = m_frameSize.width / m_designResolutionSize.width;
    m_scaleY = m_frameSize.height / m_designResolutionSize.height;
    switch (m_resolutionPolicy) {
    case kResolutionNoBorder:
        m_scaleX = m_scaleY = std::max(m_scaleX, m_scaleY);
        break;
    case kResolutionShowAll:
        m_scaleX = m_scaleY = std::min(m_scaleX, m_scaleY);
        break;
    case kResolutionFixedHeight:
        m_scaleX = m_scaleY;
        m_designResolutionSize.width = std::ceil(m_frameSize.width / m_scaleX);
        break;
    case kResolutionFixedWidth:
        m_scaleY = m_scaleX;
        m_designResolutionSize.height = std::ceil(m_frameSize.height / m_scaleY);
        break;
    default:
        break;
    }
    const float viewW = m_designResolutionSize.width * m_scaleX;
    const float viewH = m_designResolutionSize.height * m_scaleY;
    m_viewPortRect = CCRect((m_frameSize.width - viewW) / 2, (m_frameSize.height - viewH) / 2, viewW, viewH);
}

CCSize CCEGLViewProtocol::getVisibleSize() const
{
    if (m_resolutionPolicy == kResolutionNoBorder)
        return CCSize(m_frameSize.width / m_scaleX, m_frameSize.height / m_scaleY);
    return m_designResolutionSize;
}

CCPoint CCEGLViewProtocol::getVisibleOrigin() const
{
    if (m_resolutionPolicy == kResolutionNoBorder)
        return CCPoint((m_designResolutionSize.width - m_frameSize.width / m_scaleX) / 2,
                       (m_designResolutionSize.height - m_frameSize.height / m_scaleY) / 2);
    return CCPointZero;
}

void CCEGLViewProtocol::setViewPortInPoints(float, float, float, float)
{
    // The GL back end applies the viewport from getViewPortRect() at the start of each frame.
}

void CCEGLViewProtocol::setScissorInPoints(float x, float y, float w, float h)
{
    Renderer::current()->enableScissor(x, y, w, h);
}

CCRect CCEGLViewProtocol::getScissorRect()
{
    return CCRect(0, 0, m_designResolutionSize.width, m_designResolutionSize.height);
}

CCPoint CCEGLViewProtocol::frameToView(float x, float y) const
{
    return CCPoint((x - m_viewPortRect.origin.x) / m_scaleX, (y - m_viewPortRect.origin.y) / m_scaleY);
}

void CCEGLViewProtocol::handleTouches(unsigned int phase, int num, int ids[], float xs[], float ys[])
{
    CCTouchDispatcher* dispatcher = CCDirector::sharedDirector()->getTouchDispatcher();
    for (int i = 0; i < num; ++i) {
        CCPoint view = frameToView(xs[i], ys[i]);
        dispatcher->handleTouch(phase, ids[i], view.x, view.y);
    }
}

void CCEGLViewProtocol::handleTouchesBegin(int num, int ids[], float xs[], float ys[])
{
    handleTouches(CCTOUCHBEGAN, num, ids, xs, ys);
}

void CCEGLViewProtocol::handleTouchesMove(int num, int ids[], float xs[], float ys[])
{
    handleTouches(CCTOUCHMOVED, num, ids, xs, ys);
}

void CCEGLViewProtocol::handleTouchesEnd(int num, int ids[], float xs[], float ys[])
{
    handleTouches(CCTOUCHENDED, num, ids, xs, ys);
}

void CCEGLViewProtocol::handleTouchesCancel(int num, int ids[], float xs[], float ys[])
{
    handleTouches(CCTOUCHCANCELLED, num, ids, xs, ys);
}

} // namespace cocos2d

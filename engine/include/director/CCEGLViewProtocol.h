// What the director needs from the window (implemented by the platform's CCEGLView), plus the
// design-resolution arithmetic every view shares.
//
// Exact fit: scaleX = frame width / design width, scaleY = frame height / design height, viewport =
// whole frame. A window point (x, y down) becomes view point (x / scaleX, y / scaleY) in design
// points, still y down; the director converts that to GL (y up).
#pragma once

#include <string>

#include "base/CCGeometry.h"

namespace cocos2d {

enum ResolutionPolicy {
    kResolutionExactFit,
    kResolutionNoBorder,
    kResolutionShowAll,
    kResolutionFixedHeight,
    kResolutionFixedWidth,
    kResolutionUnKnown,
};

class CCEGLViewProtocol {
public:
    CCEGLViewProtocol() = default;
    virtual ~CCEGLViewProtocol() = default;

    // Closes the window; the application loop ends after this.
    virtual void end() = 0;
    virtual bool isOpenGLReady() = 0;
    virtual void swapBuffers() = 0;
    virtual void setIMEKeyboardState(bool open) = 0;

    virtual const CCSize& getFrameSize() const { return m_frameSize; }
    virtual void setFrameSize(float width, float height);
    virtual CCSize getVisibleSize() const;
    virtual CCPoint getVisibleOrigin() const;
    virtual void setDesignResolutionSize(float width, float height, ResolutionPolicy policy);
    virtual const CCSize& getDesignResolutionSize() const { return m_designResolutionSize; }
    ResolutionPolicy getResolutionPolicy() const { return m_resolutionPolicy; }

    // Viewport and scissor in design points (scaled to pixels).
    virtual void setViewPortInPoints(float x, float y, float w, float h);
    virtual void setScissorInPoints(float x, float y, float w, float h);
    virtual bool isScissorEnabled() { return false; }
    virtual CCRect getScissorRect();

    virtual void setViewName(const char* name) { m_viewName = name ? name : ""; }
    const char* getViewName() const { return m_viewName.c_str(); }

    // Window events in frame pixels (y down); converted and handed to the touch dispatcher.
    virtual void handleTouchesBegin(int num, int ids[], float xs[], float ys[]);
    virtual void handleTouchesMove(int num, int ids[], float xs[], float ys[]);
    virtual void handleTouchesEnd(int num, int ids[], float xs[], float ys[]);
    virtual void handleTouchesCancel(int num, int ids[], float xs[], float ys[]);

    // Viewport in frame pixels.
    const CCRect& getViewPortRect() const { return m_viewPortRect; }
    float getScaleX() const { return m_scaleX; }
    float getScaleY() const { return m_scaleY; }
    // Frame pixel (y down) to view point in design points (y down).
    CCPoint frameToView(float x, float y) const;

protected:
    void updateDesignResolution();
    void handleTouches(unsigned int phase, int num, int ids[], float xs[], float ys[]);

    CCSize m_frameSize{960, 640};
    CCSize m_designResolutionSize{960, 640};
    CCRect m_viewPortRect{0, 0, 960, 640};
    std::string m_viewName;
    float m_scaleX = 1;
    float m_scaleY = 1;
    ResolutionPolicy m_resolutionPolicy = kResolutionExactFit;
};

} // namespace cocos2d

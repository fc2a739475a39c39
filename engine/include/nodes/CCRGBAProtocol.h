// Colour and opacity of 2.2: a real value set by the node's owner and a displayed value that may
// include the parent's (cascading, off unless enabled).
#pragma once

#include "base/ccTypes.h"

namespace cocos2d {

class CCRGBAProtocol {
public:
    virtual ~CCRGBAProtocol() = default;
    virtual void setColor(const ccColor3B& color) = 0;
    virtual const ccColor3B& getColor() = 0;
    virtual const ccColor3B& getDisplayedColor() = 0;
    virtual GLubyte getDisplayedOpacity() = 0;
    virtual GLubyte getOpacity() = 0;
    virtual void setOpacity(GLubyte opacity) = 0;
    virtual void setOpacityModifyRGB(bool value) = 0;
    virtual bool isOpacityModifyRGB() = 0;
    virtual bool isCascadeColorEnabled() = 0;
    virtual void setCascadeColorEnabled(bool cascadeColorEnabled) = 0;
    virtual void updateDisplayedColor(const ccColor3B& color) = 0;
    virtual bool isCascadeOpacityEnabled() = 0;
    virtual void setCascadeOpacityEnabled(bool cascadeOpacityEnabled) = 0;
    virtual void updateDisplayedOpacity(GLubyte opacity) = 0;
};

// Ready-made state and cascade logic shared by CCNodeRGBA and CCLayerRGBA.
struct RGBAState {
    GLubyte displayedOpacity = 255;
    GLubyte realOpacity = 255;
    ccColor3B displayedColor = {255, 255, 255};
    ccColor3B realColor = {255, 255, 255};
    bool cascadeColorEnabled = false;
    bool cascadeOpacityEnabled = false;
};

} // namespace cocos2d

#pragma once

#include "nodes/CCLayer.h"
#include "nodes/CCNodeRGBA.h"

namespace cocos2d {

class CCLayerRGBA : public CCLayer, public CCRGBAProtocol {
public:
    CCLayerRGBA() = default;
    static CCLayerRGBA* create();
    bool init() override;

    GLubyte getOpacity() override { return m_rgba.realOpacity; }
    GLubyte getDisplayedOpacity() override { return m_rgba.displayedOpacity; }
    void setOpacity(GLubyte opacity) override;
    void updateDisplayedOpacity(GLubyte parentOpacity) override;
    bool isCascadeOpacityEnabled() override { return m_rgba.cascadeOpacityEnabled; }
    void setCascadeOpacityEnabled(bool enabled) override { m_rgba.cascadeOpacityEnabled = enabled; }

    const ccColor3B& getColor() override { return m_rgba.realColor; }
    const ccColor3B& getDisplayedColor() override { return m_rgba.displayedColor; }
    void setColor(const ccColor3B& color) override;
    void updateDisplayedColor(const ccColor3B& parentColor) override;
    bool isCascadeColorEnabled() override { return m_rgba.cascadeColorEnabled; }
    void setCascadeColorEnabled(bool enabled) override { m_rgba.cascadeColorEnabled = enabled; }

    void setOpacityModifyRGB(bool) override {}
    bool isOpacityModifyRGB() override { return false; }

protected:
    RGBAState m_rgba;
};

} // namespace cocos2d

#pragma once

#include "nodes/CCNode.h"
#include "nodes/CCRGBAProtocol.h"

namespace cocos2d {

class CCNodeRGBA : public CCNode, public CCRGBAProtocol {
public:
    CCNodeRGBA() = default;
    static CCNodeRGBA* create();
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

// The cascade rules, shared with CCLayerRGBA (and usable by other RGBA nodes).
namespace rgba {
void setOpacity(CCNode* self, RGBAState& state, GLubyte opacity);
void updateDisplayedOpacity(CCNode* self, RGBAState& state, GLubyte parentOpacity);
void setColor(CCNode* self, RGBAState& state, const ccColor3B& color);
void updateDisplayedColor(CCNode* self, RGBAState& state, const ccColor3B& parentColor);
} // namespace rgba

} // namespace cocos2d

// A layer filled with one colour (default black, opacity 0), drawn as one untextured quad with
// blend (SRC_ALPHA, ONE_MINUS_SRC_ALPHA). Fully transparent layers draw nothing.
#pragma once

#include "nodes/CCLayerRGBA.h"

namespace cocos2d {

class CCLayerColor : public CCLayerRGBA {
public:
    CCLayerColor() = default;
    static CCLayerColor* create();
    static CCLayerColor* create(const ccColor4B& color);
    static CCLayerColor* create(const ccColor4B& color, GLfloat width, GLfloat height);

    bool init() override;
    virtual bool initWithColor(const ccColor4B& color);
    virtual bool initWithColor(const ccColor4B& color, GLfloat width, GLfloat height);

    void draw() override;
    void changeWidth(GLfloat w);
    void changeHeight(GLfloat h);
    void changeWidthAndHeight(GLfloat w, GLfloat h);

    virtual ccBlendFunc getBlendFunc() const { return m_blendFunc; }
    virtual void setBlendFunc(ccBlendFunc blendFunc) { m_blendFunc = blendFunc; }

    // The quad's colour as drawn (displayed colour and opacity), for tests.
    ccColor4B drawColor() const;

protected:
    ccBlendFunc m_blendFunc{kGL_SRC_ALPHA, kGL_ONE_MINUS_SRC_ALPHA};
};

} // namespace cocos2d

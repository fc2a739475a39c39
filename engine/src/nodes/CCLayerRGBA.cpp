#include "nodes/CCLayerRGBA.h"

namespace cocos2d {

CCLayerRGBA* CCLayerRGBA::create()
{
    auto* layer = new CCLayerRGBA();
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    return nullptr;
}

bool CCLayerRGBA::init()
{
    if (!CCLayer::init())
        return false;
    m_rgba = RGBAState();
    return true;
}

void CCLayerRGBA::setOpacity(GLubyte opacity)
{
    rgba::setOpacity(this, m_rgba, opacity);
}

void CCLayerRGBA::updateDisplayedOpacity(GLubyte parentOpacity)
{
    rgba::updateDisplayedOpacity(this, m_rgba, parentOpacity);
}

void CCLayerRGBA::setColor(const ccColor3B& color)
{
    rgba::setColor(this, m_rgba, color);
}

void CCLayerRGBA::updateDisplayedColor(const ccColor3B& parentColor)
{
    rgba::updateDisplayedColor(this, m_rgba, parentColor);
}

} // namespace cocos2d

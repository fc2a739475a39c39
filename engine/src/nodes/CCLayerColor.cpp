#include "nodes/CCLayerColor.h"

#include "director/CCDirector.h"
#include "render/Renderer.h"

namespace cocos2d {

CCLayerColor* CCLayerColor::create()
{
    auto* layer = new CCLayerColor();
    if (layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    return nullptr;
}

CCLayerColor* CCLayerColor::create(const ccColor4B& color)
{
    auto* layer = new CCLayerColor();
    if (layer->initWithColor(color)) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    return nullptr;
}

CCLayerColor* CCLayerColor::create(const ccColor4B& color, GLfloat width, GLfloat height)
{
    auto* layer = new CCLayerColor();
    if (layer->initWithColor(color, width, height)) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    return nullptr;
}

bool CCLayerColor::init()
{
    CCSize size = CCDirector::sharedDirector()->getWinSize();
    return initWithColor(ccc4(0, 0, 0, 0), size.width, size.height);
}

bool CCLayerColor::initWithColor(const ccColor4B& color)
{
    CCSize size = CCDirector::sharedDirector()->getWinSize();
    return initWithColor(color, size.width, size.height);
}

bool CCLayerColor::initWithColor(const ccColor4B& color, GLfloat width, GLfloat height)
{
    if (!CCLayerRGBA::init())
        return false;
    m_blendFunc = ccBlendFunc{kGL_SRC_ALPHA, kGL_ONE_MINUS_SRC_ALPHA};
    m_rgba.displayedColor = m_rgba.realColor = ccc3(color.r, color.g, color.b);
    m_rgba.displayedOpacity = m_rgba.realOpacity = color.a;
    setContentSize(CCSize(width, height));
    return true;
}

void CCLayerColor::changeWidth(GLfloat w)
{
    setContentSize(CCSize(w, m_contentSize.height));
}

void CCLayerColor::changeHeight(GLfloat h)
{
    setContentSize(CCSize(m_contentSize.width, h));
}

void CCLayerColor::changeWidthAndHeight(GLfloat w, GLfloat h)
{
    setContentSize(CCSize(w, h));
}

ccColor4B CCLayerColor::drawColor() const
{
    return ccc4(m_rgba.displayedColor.r, m_rgba.displayedColor.g, m_rgba.displayedColor.b, m_rgba.displayedOpacity);
}

void CCLayerColor::draw()
{
    const ccColor4B color = drawColor();
    if (color.a == 0)
        return; // invisible: save the draw call
    Renderer* renderer = Renderer::current();
    const Mat4& world = renderer->top();
    auto corner = [&](float x, float y) {
        ccV3F_C4B_T2F v;
        world.transformPoint(x, y, 0, v.vertices.x, v.vertices.y, v.vertices.z);
        v.colors = color;
        return v;
    };
    const float w = m_contentSize.width, h = m_contentSize.height;
    ccV3F_C4B_T2F_Quad quad;
    quad.tl = corner(0, h);
    quad.bl = corner(0, 0);
    quad.tr = corner(w, h);
    quad.br = corner(w, 0);
    renderer->drawQuads(nullptr, m_blendFunc, &quad, 1);
}

} // namespace cocos2d

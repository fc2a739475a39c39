#include "nodes/CCNodeRGBA.h"

namespace cocos2d {

namespace rgba {

namespace {
CCRGBAProtocol* asRGBA(CCNode* node)
{
    return node ? dynamic_cast<CCRGBAProtocol*>(node) : nullptr;
}
} // namespace

void setOpacity(CCNode* self, RGBAState& state, GLubyte opacity)
{
    state.displayedOpacity = state.realOpacity = opacity;
    if (!state.cascadeOpacityEnabled)
        return;
    GLubyte parentOpacity = 255;
    CCRGBAProtocol* parent = asRGBA(self->getParent());
    if (parent && parent->isCascadeOpacityEnabled())
        parentOpacity = parent->getDisplayedOpacity();
    if (auto* selfRGBA = asRGBA(self))
        selfRGBA->updateDisplayedOpacity(parentOpacity);
    else
        updateDisplayedOpacity(self, state, parentOpacity);
}

void updateDisplayedOpacity(CCNode* self, RGBAState& state, GLubyte parentOpacity)
{
    state.displayedOpacity = static_cast<GLubyte>(state.realOpacity * parentOpacity / 255.0);
    // The base class's list on purpose: widgets hide their pictures from getChildren(), but the
    // pictures must still take the widget's opacity and colour.
    CCArray* children = self->CCNode::getChildren();
    if (!state.cascadeOpacityEnabled || !children)
        return;
    for (CCObject* object : *children)
        if (CCRGBAProtocol* child = asRGBA(static_cast<CCNode*>(object)))
            child->updateDisplayedOpacity(state.displayedOpacity);
}

void setColor(CCNode* self, RGBAState& state, const ccColor3B& color)
{
    state.displayedColor = state.realColor = color;
    if (!state.cascadeColorEnabled)
        return;
    ccColor3B parentColor = ccWHITE;
    CCRGBAProtocol* parent = asRGBA(self->getParent());
    if (parent && parent->isCascadeColorEnabled())
        parentColor = parent->getDisplayedColor();
    if (auto* selfRGBA = asRGBA(self))
        selfRGBA->updateDisplayedColor(parentColor);
    else
        updateDisplayedColor(self, state, parentColor);
}

void updateDisplayedColor(CCNode* self, RGBAState& state, const ccColor3B& parentColor)
{
    state.displayedColor.r = static_cast<GLubyte>(state.realColor.r * parentColor.r / 255.0);
    state.displayedColor.g = static_cast<GLubyte>(state.realColor.g * parentColor.g / 255.0);
    state.displayedColor.b = static_cast<GLubyte>(state.realColor.b * parentColor.b / 255.0);
    CCArray* children = self->CCNode::getChildren();
    if (!state.cascadeColorEnabled || !children)
        return;
    for (CCObject* object : *children)
        if (CCRGBAProtocol* child = asRGBA(static_cast<CCNode*>(object)))
            child->updateDisplayedColor(state.displayedColor);
}

} // namespace rgba

CCNodeRGBA* CCNodeRGBA::create()
{
    auto* node = new CCNodeRGBA();
    if (node->init()) {
        node->autorelease();
        return node;
    }
    delete node;
    return nullptr;
}

bool CCNodeRGBA::init()
{
    m_rgba = RGBAState();
    return CCNode::init();
}

void CCNodeRGBA::setOpacity(GLubyte opacity)
{
    rgba::setOpacity(this, m_rgba, opacity);
}

void CCNodeRGBA::updateDisplayedOpacity(GLubyte parentOpacity)
{
    rgba::updateDisplayedOpacity(this, m_rgba, parentOpacity);
}

void CCNodeRGBA::setColor(const ccColor3B& color)
{
    rgba::setColor(this, m_rgba, color);
}

void CCNodeRGBA::updateDisplayedColor(const ccColor3B& parentColor)
{
    rgba::updateDisplayedColor(this, m_rgba, parentColor);
}

} // namespace cocos2d

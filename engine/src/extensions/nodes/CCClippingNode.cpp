#include "extensions/CCClippingNode.h"

#include "render/Renderer.h"

namespace cocos2d {

namespace {
// Stencil layer of the clipping node being drawn; nested nodes take the next bit.
int s_layer = -1;
} // namespace

CCClippingNode* CCClippingNode::create() { return create(nullptr); }

CCClippingNode* CCClippingNode::create(CCNode* stencil)
{
    auto* node = new CCClippingNode();
    if (node->init(stencil)) {
        node->autorelease();
        return node;
    }
    delete node;
    return nullptr;
}

CCClippingNode::~CCClippingNode() { CC_SAFE_RELEASE(m_stencil); }

bool CCClippingNode::init() { return init(nullptr); }

bool CCClippingNode::init(CCNode* stencil)
{
    if (!CCNode::init())
        return false;
    setStencil(stencil);
    return true;
}

void CCClippingNode::setStencil(CCNode* stencil)
{
    if (stencil == m_stencil)
        return;
    CC_SAFE_RETAIN(stencil);
    if (m_stencil && m_running)
        m_stencil->onExit();
    CC_SAFE_RELEASE(m_stencil);
    m_stencil = stencil;
    if (m_stencil && m_running)
        m_stencil->onEnter();
}

void CCClippingNode::onEnter()
{
    CCNode::onEnter();
    if (m_stencil)
        m_stencil->onEnter();
}

void CCClippingNode::onEnterTransitionDidFinish()
{
    CCNode::onEnterTransitionDidFinish();
    if (m_stencil)
        m_stencil->onEnterTransitionDidFinish();
}

void CCClippingNode::onExitTransitionDidStart()
{
    if (m_stencil)
        m_stencil->onExitTransitionDidStart();
    CCNode::onExitTransitionDidStart();
}

void CCClippingNode::onExit()
{
    if (m_stencil)
        m_stencil->onExit();
    CCNode::onExit();
}

void CCClippingNode::visit()
{
    if (!m_visible)
        return;
    if (!m_stencil || !m_stencil->isVisible()) {
        if (m_inverted)
            CCNode::visit();
        return;
    }
    Renderer* renderer = Renderer::current();
    const int layer = ++s_layer;
    renderer->flush();
    renderer->beginStencilWrite(layer, m_alphaThreshold);
    renderer->pushMatrix(nodeToParentMatrix());
    m_stencil->visit();
    renderer->popMatrix();
    renderer->flush();
    renderer->beginStencilTest(layer, m_inverted);
    CCNode::visit();
    renderer->flush();
    renderer->endStencil(layer);
    --s_layer;
}

} // namespace cocos2d

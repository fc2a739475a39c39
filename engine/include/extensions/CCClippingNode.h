// Draws its children only where its stencil node covers (or, inverted, only where it does not).
// With alphaThreshold < 1 only stencil pixels more opaque than it count. The stencil is not a child: it
// follows the clipping node's enter/exit and is drawn in its space, never to the screen. No stencil or
// an invisible one: nothing drawn (inverted: everything). Nests up to the stencil bits available.
#pragma once

#include "nodes/CCNode.h"

namespace cocos2d {

class CCClippingNode : public CCNode {
public:
    static CCClippingNode* create();
    static CCClippingNode* create(CCNode* stencil);
    ~CCClippingNode() override;
    bool init() override;
    virtual bool init(CCNode* stencil);

    CCNode* getStencil() const { return m_stencil; }
    void setStencil(CCNode* stencil);
    float getAlphaThreshold() const { return m_alphaThreshold; }
    void setAlphaThreshold(float threshold) { m_alphaThreshold = threshold; }
    bool isInverted() const { return m_inverted; }
    void setInverted(bool inverted) { m_inverted = inverted; }

    void onEnter() override;
    void onEnterTransitionDidFinish() override;
    void onExitTransitionDidStart() override;
    void onExit() override;
    void visit() override;

private:
    CCNode* m_stencil = nullptr;
    float m_alphaThreshold = 1.f;
    bool m_inverted = false;
};

} // namespace cocos2d

// Holds particle systems that share one texture. Our renderer already merges consecutive draws with the
// same texture and blend, so this node only groups its children and checks they share the texture.
#pragma once

#include "nodes/CCNode.h"

namespace cocos2d {

class CCTexture2D;

class CCParticleBatchNode : public CCNode {
public:
    static CCParticleBatchNode* create(const char* imageFile, unsigned int capacity = 500);
    static CCParticleBatchNode* createWithTexture(CCTexture2D* texture, unsigned int capacity = 500);
    ~CCParticleBatchNode() override;
    using CCNode::addChild;
    // Children must be particle systems; one with another texture is refused (logged).
    void addChild(CCNode* child, int zOrder, int tag) override;
    CCTexture2D* getTexture() const { return m_texture; }

private:
    CCTexture2D* m_texture = nullptr;
};

} // namespace cocos2d

// Parent for sprites that share one texture. The renderer already merges consecutive quads of the
// same texture and blend, so the batch node only guarantees that: every child uses its texture
// (others are refused with a log line), and the whole subtree goes out as one draw call.
#pragma once

#include "base/ccTypes.h"
#include "nodes/CCNode.h"

namespace cocos2d {

class CCTexture2D;

static const unsigned int kDefaultSpriteBatchCapacity = 29;

class CCSpriteBatchNode : public CCNode {
public:
    ~CCSpriteBatchNode() override;
    static CCSpriteBatchNode* create(const char* fileImage, unsigned int capacity = kDefaultSpriteBatchCapacity);
    static CCSpriteBatchNode* createWithTexture(CCTexture2D* texture,
                                                unsigned int capacity = kDefaultSpriteBatchCapacity);
    bool initWithTexture(CCTexture2D* texture, unsigned int capacity);
    bool initWithFile(const char* fileImage, unsigned int capacity);

    CCTexture2D* getTexture() { return m_texture; }
    void setTexture(CCTexture2D* texture);
    ccBlendFunc getBlendFunc() const { return m_blendFunc; }
    void setBlendFunc(ccBlendFunc blend) { m_blendFunc = blend; }

    using CCNode::addChild;
    void addChild(CCNode* child, int zOrder, int tag) override;
    void removeChild(CCNode* child, bool cleanup) override;
    void removeAllChildrenWithCleanup(bool cleanup) override;

protected:
    CCTexture2D* m_texture = nullptr;
    ccBlendFunc m_blendFunc;
};

} // namespace cocos2d

#include "sprites/CCSpriteBatchNode.h"

#include "base/CCConsole.h"
#include "sprites/CCSprite.h"
#include "sprites/CCTexture2D.h"
#include "sprites/CCTextureCache.h"

namespace cocos2d {

CCSpriteBatchNode::~CCSpriteBatchNode()
{
    CC_SAFE_RELEASE(m_texture);
}

CCSpriteBatchNode* CCSpriteBatchNode::create(const char* fileImage, unsigned int capacity)
{
    auto* b = new CCSpriteBatchNode();
    if (!b->initWithFile(fileImage, capacity)) {
        delete b;
        return nullptr;
    }
    b->autorelease();
    return b;
}

CCSpriteBatchNode* CCSpriteBatchNode::createWithTexture(CCTexture2D* texture, unsigned int capacity)
{
    auto* b = new CCSpriteBatchNode();
    if (!b->initWithTexture(texture, capacity)) {
        delete b;
        return nullptr;
    }
    b->autorelease();
    return b;
}

bool CCSpriteBatchNode::initWithTexture(CCTexture2D* texture, unsigned int)
{
    if (!texture) {
        CCLog("CCSpriteBatchNode: no texture");
        return false;
    }
    if (!CCNode::init())
        return false;
    setTexture(texture);
    return true;
}

bool CCSpriteBatchNode::initWithFile(const char* fileImage, unsigned int capacity)
{
    CCTexture2D* texture = CCTextureCache::sharedTextureCache()->addImage(fileImage);
    if (!texture) {
        CCLog("CCSpriteBatchNode: cannot load %s", fileImage ? fileImage : "(null)");
        return false;
    }
    return initWithTexture(texture, capacity);
}

void CCSpriteBatchNode::setTexture(CCTexture2D* texture)
{
    CC_SAFE_RETAIN(texture);
    CC_SAFE_RELEASE(m_texture);
    m_texture = texture;
    m_blendFunc = texture && texture->hasPremultipliedAlpha() ? ccBlendFunc{CC_BLEND_SRC, CC_BLEND_DST}
                                                              : ccBlendFunc{kGL_SRC_ALPHA, kGL_ONE_MINUS_SRC_ALPHA};
}

void CCSpriteBatchNode::addChild(CCNode* child, int zOrder, int tag)
{
    auto* sprite = dynamic_cast<CCSprite*>(child);
    if (!sprite) {
        CCLog("CCSpriteBatchNode: only sprites can be children");
        return;
    }
    if (sprite->getTexture() != m_texture) {
        CCLog("CCSpriteBatchNode: a child sprite uses another texture");
        return;
    }
    CCNode::addChild(child, zOrder, tag);
    sprite->setBatchNode(this);
}

void CCSpriteBatchNode::removeChild(CCNode* child, bool cleanup)
{
    if (auto* sprite = dynamic_cast<CCSprite*>(child); sprite && sprite->getParent() == this)
        sprite->setBatchNode(nullptr);
    CCNode::removeChild(child, cleanup);
}

void CCSpriteBatchNode::removeAllChildrenWithCleanup(bool cleanup)
{
    if (m_children)
        for (unsigned i = 0; i < m_children->count(); ++i)
            if (auto* sprite = dynamic_cast<CCSprite*>(m_children->objectAtIndex(i)))
                sprite->setBatchNode(nullptr);
    CCNode::removeAllChildrenWithCleanup(cleanup);
}

} // namespace cocos2d

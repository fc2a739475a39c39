#include "extensions/CCParticleBatchNode.h"

#include "base/CCConsole.h"
#include "extensions/CCParticleSystem.h"
#include "sprites/CCTexture2D.h"
#include "sprites/CCTextureCache.h"

namespace cocos2d {

CCParticleBatchNode* CCParticleBatchNode::create(const char* imageFile, unsigned int capacity)
{
    CCTexture2D* texture = imageFile ? CCTextureCache::sharedTextureCache()->addImage(imageFile) : nullptr;
    if (!texture) {
        CCLog("CCParticleBatchNode: cannot load \"%s\"", imageFile ? imageFile : "(null)");
        return nullptr;
    }
    return createWithTexture(texture, capacity);
}

CCParticleBatchNode* CCParticleBatchNode::createWithTexture(CCTexture2D* texture, unsigned int)
{
    auto* node = new CCParticleBatchNode();
    if (!node->init()) {
        delete node;
        return nullptr;
    }
    node->m_texture = texture;
    CC_SAFE_RETAIN(texture);
    node->autorelease();
    return node;
}

CCParticleBatchNode::~CCParticleBatchNode() { CC_SAFE_RELEASE(m_texture); }

void CCParticleBatchNode::addChild(CCNode* child, int zOrder, int tag)
{
    auto* system = dynamic_cast<CCParticleSystem*>(child);
    if (!system) {
        CCLog("CCParticleBatchNode: only particle systems can be added");
        return;
    }
    if (m_texture && system->getTexture() != m_texture) {
        CCLog("CCParticleBatchNode: a particle system with another texture was refused");
        return;
    }
    CCNode::addChild(child, zOrder, tag);
}

} // namespace cocos2d

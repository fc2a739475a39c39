#include "extensions/armature/CCBone.h"

#include <cmath>

#include "base/CCConsole.h"
#include "extensions/CCParticleSystemQuad.h"
#include "extensions/armature/CCArmature.h"
#include "extensions/armature/CCArmatureDataManager.h"
#include "sprites/CCSprite.h"
#include "sprites/CCSpriteFrameCache.h"

namespace cocos2d::extension {

namespace {
constexpr float kRadToDeg = 57.29577951f;

// 2.2's bone matrix: x' = a x + c y + tx with a = sx cos kY, b = sx sin kY, c = sy sin kX, d = sy cos kX.
CCAffineTransform toAffine(const ArmatureTransform& t)
{
    return CCAffineTransform{t.scaleX * std::cos(t.skewY), t.scaleX * std::sin(t.skewY),
                             t.scaleY * std::sin(t.skewX), t.scaleY * std::cos(t.skewX), t.x, t.y};
}
} // namespace

CCBone* CCBone::create(const BoneData* data, CCArmature* armature)
{
    auto* bone = new CCBone();
    if (bone->init(data, armature)) {
        bone->autorelease();
        return bone;
    }
    delete bone;
    return nullptr;
}

CCBone::~CCBone()
{
    for (CCNode* node : m_displayNodes)
        if (node) {
            node->removeFromParentAndCleanup(true);
            node->release();
        }
}

bool CCBone::init(const BoneData* data, CCArmature* armature)
{
    if (!data || !armature)
        return false;
    m_data = data;
    m_armature = armature;
    for (const auto& display : data->displays) {
        CCNode* node = createDisplay(display);
        if (node) {
            node->retain();
            node->setVisible(false);
        }
        m_displayNodes.push_back(node);
    }
    return true;
}

CCNode* CCBone::createDisplay(const DisplayData& display)
{
    switch (display.type) {
    case DisplayType::Sprite: {
        if (display.name.empty())
            return nullptr;
        CCSpriteFrame* frame = CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName(display.name.c_str());
        if (!frame) {
            CCLog("CCArmature %s: bone \"%s\" shows frame \"%s\", which no loaded sheet has",
                  m_armature->getName().c_str(), m_data->name.c_str(), display.name.c_str());
            return nullptr;
        }
        CCSprite* sprite = CCSprite::createWithSpriteFrame(frame);
        std::string textureName = display.name.substr(0, display.name.size() - 4);
        if (const TextureData* texture = CCArmatureDataManager::sharedArmatureDataManager()->getTextureData(textureName))
            sprite->setAnchorPoint(CCPoint(texture->pivotX, texture->pivotY));
        return sprite;
    }
    case DisplayType::Particle: {
        CCParticleSystemQuad* particles = CCParticleSystemQuad::create(display.plist.c_str());
        if (!particles)
            CCLog("CCArmature %s: bone \"%s\" shows particles \"%s\", which cannot be read",
                  m_armature->getName().c_str(), m_data->name.c_str(), display.plist.c_str());
        return particles;
    }
    case DisplayType::Armature: {
        // An armature may show another one; a file that nests itself must not recurse for ever.
        static int s_nesting = 0;
        if (s_nesting >= 8) {
            CCLog("CCArmature %s: armatures nested too deep at bone \"%s\"", m_armature->getName().c_str(),
                  m_data->name.c_str());
            return nullptr;
        }
        ++s_nesting;
        CCArmature* child = CCArmature::create(display.name.c_str());
        --s_nesting;
        return child;
    }
    }
    return nullptr;
}

CCNode* CCBone::getDisplayRenderNode() const
{
    if (m_displayIndex < 0 || m_displayIndex >= static_cast<int>(m_displayNodes.size()))
        return nullptr;
    return m_displayNodes[static_cast<std::size_t>(m_displayIndex)];
}

void CCBone::changeDisplayByIndex(int index, bool force)
{
    if (index == m_displayIndex && !force)
        return;
    if (CCNode* old = getDisplayRenderNode()) {
        old->setVisible(false);
        old->removeFromParentAndCleanup(false);
    }
    m_displayIndex = index;
    if (CCNode* node = getDisplayRenderNode()) {
        node->setVisible(true);
        m_armature->addChild(node, m_data->zOrder + tweenZOrder);
        if (auto* particles = dynamic_cast<CCParticleSystemQuad*>(node))
            particles->resetSystem();
    }
}

void CCBone::updateWorldTransform()
{
    ArmatureTransform local = m_data->transform;
    local.x += tween.x;
    local.y += tween.y;
    local.skewX += tween.skewX;
    local.skewY += tween.skewY;
    local.scaleX += tween.scaleX - 1;
    local.scaleY += tween.scaleY - 1;
    m_world = toAffine(local);
    if (m_parentBone)
        m_world = CCAffineTransformConcat(m_world, m_parentBone->m_world);
}

void CCBone::updateDisplay()
{
    CCNode* node = getDisplayRenderNode();
    if (!node)
        return;
    const DisplayData& display = m_data->displays[static_cast<std::size_t>(m_displayIndex)];
    CCAffineTransform m = display.type == DisplayType::Sprite
                              ? CCAffineTransformConcat(toAffine(display.skin), m_world)
                              : m_world;
    // Our nodes take scale and one angle per axis: the bone matrix decomposes into exactly that.
    node->setPosition(CCPoint(m.tx, m.ty));
    node->setScaleX(std::hypot(m.a, m.b));
    node->setScaleY(std::hypot(m.c, m.d));
    node->setRotationY(-std::atan2(m.b, m.a) * kRadToDeg);
    node->setRotationX(std::atan2(m.c, m.d) * kRadToDeg);
    int z = m_data->zOrder + tweenZOrder;
    if (node->getZOrder() != z && node->getParent())
        m_armature->reorderChild(node, z);

    if (auto* rgba = dynamic_cast<CCRGBAProtocol*>(node)) {
        ArmatureColor c = m_data->color;
        const ArmatureColor& t = tweenColor;
        rgba->setColor(ccc3(static_cast<GLubyte>(c.r * t.r / 255), static_cast<GLubyte>(c.g * t.g / 255),
                            static_cast<GLubyte>(c.b * t.b / 255)));
        rgba->setOpacity(static_cast<GLubyte>(c.a * t.a / 255));
    }
}

} // namespace cocos2d::extension

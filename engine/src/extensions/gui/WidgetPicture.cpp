#include "WidgetPicture.h"

#include "base/CCConsole.h"
#include "extensions/control/CCScale9Sprite.h"
#include "sprites/CCSprite.h"
#include "sprites/CCSpriteFrameCache.h"
#include "sprites/CCTextureCache.h"

namespace cocos2d::extension {

WidgetPicture::~WidgetPicture()
{
    // The owner is going away with its children; only our own reference remains.
    CC_SAFE_RELEASE(m_node);
}

bool WidgetPicture::load(UIWidget* owner, const char* fileName, TextureResType type)
{
    m_file = fileName ? fileName : "";
    m_type = type;
    rebuild(owner);
    return m_file.empty() || m_node;
}

void WidgetPicture::setScale9(UIWidget* owner, bool enabled)
{
    if (m_scale9 == enabled)
        return;
    m_scale9 = enabled;
    rebuild(owner);
}

void WidgetPicture::setCapInsets(const CCRect& capInsets)
{
    m_capInsets = capInsets;
    if (auto* nine = dynamic_cast<CCScale9Sprite*>(m_node))
        nine->setCapInsets(capInsets);
}

void WidgetPicture::rebuild(UIWidget* owner)
{
    if (m_node) {
        m_node->removeFromParentAndCleanup(true);
        CC_SAFE_RELEASE_NULL(m_node);
    }
    m_naturalSize = CCSize();
    if (m_file.empty())
        return;
    const char* name = m_file.c_str();
    CCNode* node = nullptr;
    if (m_type == UI_TEX_TYPE_PLIST) {
        CCSpriteFrame* frame = CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName(name);
        if (!frame)
            CCLog("widget \"%s\": no sprite frame \"%s\" in the frame cache", owner->getName(), name);
        else if (m_scale9)
            node = CCScale9Sprite::createWithSpriteFrame(frame, m_capInsets);
        else
            node = CCSprite::createWithSpriteFrame(frame);
    } else {
        if (!CCTextureCache::sharedTextureCache()->addImage(name))
            CCLog("widget \"%s\": cannot load the picture \"%s\"", owner->getName(), name);
        else if (m_scale9)
            node = CCScale9Sprite::create(name, CCRect(), m_capInsets);
        else
            node = CCSprite::create(name);
    }
    if (!node)
        return;
    m_node = node;
    m_node->retain();
    m_naturalSize = m_node->getContentSize();
    m_node->setVisible(m_visible);
    owner->addChild(m_node, m_z);
    setFlip(m_flipX, m_flipY);
    applyScale();
}

void WidgetPicture::fit(const CCPoint& position, const CCPoint& anchor, const CCSize& size, bool stretch)
{
    m_fitSize = size;
    m_stretch = stretch;
    if (!m_node)
        return;
    m_node->setAnchorPoint(anchor);
    m_node->setPosition(position);
    applyScale();
}

void WidgetPicture::applyScale()
{
    if (!m_node)
        return;
    if (auto* nine = dynamic_cast<CCScale9Sprite*>(m_node)) {
        nine->setPreferredSize(m_stretch ? m_fitSize : m_naturalSize);
        nine->setScale(m_zoom);
        return;
    }
    float sx = 1, sy = 1;
    if (m_stretch && m_naturalSize.width > 0 && m_naturalSize.height > 0) {
        sx = m_fitSize.width / m_naturalSize.width;
        sy = m_fitSize.height / m_naturalSize.height;
    }
    m_node->setScaleX(sx * m_zoom);
    m_node->setScaleY(sy * m_zoom);
}

void WidgetPicture::setVisible(bool visible)
{
    m_visible = visible;
    if (m_node)
        m_node->setVisible(visible);
}

void WidgetPicture::setZoom(float zoom)
{
    m_zoom = zoom;
    applyScale();
}

void WidgetPicture::setFlip(bool flipX, bool flipY)
{
    m_flipX = flipX;
    m_flipY = flipY;
    if (auto* sprite = dynamic_cast<CCSprite*>(m_node)) {
        sprite->setFlipX(flipX);
        sprite->setFlipY(flipY);
    }
}

} // namespace cocos2d::extension

// CCSprite geometry: rectangles, texture coordinates (rotated and flipped), frames and colour.
#include <utility>

#include "base/CCConsole.h"
#include "sprites/CCAnimation.h"
#include "sprites/CCAnimationCache.h"
#include "sprites/CCSprite.h"
#include "sprites/CCSpriteFrame.h"
#include "sprites/CCTexture2D.h"

namespace cocos2d {

void CCSprite::setTextureRect(const CCRect& rect)
{
    setTextureRect(rect, false, rect.size);
}

void CCSprite::setTextureRect(const CCRect& rect, bool rotated, const CCSize& untrimmedSize)
{
    m_rectRotated = rotated;
    setContentSize(untrimmedSize);
    setVertexRect(rect);
    setTextureCoords(rect);

    CCPoint relative = m_unflippedOffsetPositionFromCenter;
    if (m_flipX)
        relative.x = -relative.x;
    if (m_flipY)
        relative.y = -relative.y;
    // The trimmed picture sits centred in the untrimmed box, moved by the frame's offset.
    m_offsetPosition.x = relative.x + (m_contentSize.width - m_rect.size.width) / 2;
    m_offsetPosition.y = relative.y + (m_contentSize.height - m_rect.size.height) / 2;

    const float x1 = m_offsetPosition.x, y1 = m_offsetPosition.y;
    const float x2 = x1 + m_rect.size.width, y2 = y1 + m_rect.size.height;
    m_quad.bl.vertices = ccVertex3F{x1, y1, 0};
    m_quad.br.vertices = ccVertex3F{x2, y1, 0};
    m_quad.tl.vertices = ccVertex3F{x1, y2, 0};
    m_quad.tr.vertices = ccVertex3F{x2, y2, 0};
}

void CCSprite::setVertexRect(const CCRect& rect)
{
    m_rect = rect;
}

void CCSprite::setTextureCoords(const CCRect& rect)
{
    if (!m_texture)
        return;
    const float aw = static_cast<float>(m_texture->getPixelsWide());
    const float ah = static_cast<float>(m_texture->getPixelsHigh());
    if (aw <= 0 || ah <= 0)
        return;
    if (m_rectRotated) {
        // Stored turned 90 degrees clockwise: the picture's width runs down the atlas.
        float left = rect.origin.x / aw;
        float right = (rect.origin.x + rect.size.height) / aw;
        float top = rect.origin.y / ah;
        float bottom = (rect.origin.y + rect.size.width) / ah;
        if (m_flipX)
            std::swap(top, bottom);
        if (m_flipY)
            std::swap(left, right);
        m_quad.bl.texCoords = ccTex2F{left, top};
        m_quad.br.texCoords = ccTex2F{left, bottom};
        m_quad.tl.texCoords = ccTex2F{right, top};
        m_quad.tr.texCoords = ccTex2F{right, bottom};
    } else {
        float left = rect.origin.x / aw;
        float right = (rect.origin.x + rect.size.width) / aw;
        float top = rect.origin.y / ah;
        float bottom = (rect.origin.y + rect.size.height) / ah;
        if (m_flipX)
            std::swap(left, right);
        if (m_flipY)
            std::swap(top, bottom);
        m_quad.bl.texCoords = ccTex2F{left, bottom};
        m_quad.br.texCoords = ccTex2F{right, bottom};
        m_quad.tl.texCoords = ccTex2F{left, top};
        m_quad.tr.texCoords = ccTex2F{right, top};
    }
}

void CCSprite::setFlipX(bool flipX)
{
    if (m_flipX != flipX) {
        m_flipX = flipX;
        setTextureRect(m_rect, m_rectRotated, m_contentSize);
    }
}

void CCSprite::setFlipY(bool flipY)
{
    if (m_flipY != flipY) {
        m_flipY = flipY;
        setTextureRect(m_rect, m_rectRotated, m_contentSize);
    }
}

void CCSprite::setDisplayFrame(CCSpriteFrame* frame)
{
    if (!frame)
        return;
    m_unflippedOffsetPositionFromCenter = frame->getOffset();
    CCTexture2D* texture = frame->getTexture();
    if (texture != m_texture)
        setTexture(texture);
    setTextureRect(frame->getRect(), frame->isRotated(), frame->getOriginalSize());
}

bool CCSprite::isFrameDisplayed(CCSpriteFrame* frame)
{
    return frame && frame->getRect().equals(m_rect) && frame->getTexture() == m_texture &&
           frame->getOffset().equals(m_unflippedOffsetPositionFromCenter);
}

CCSpriteFrame* CCSprite::displayFrame()
{
    return CCSpriteFrame::createWithTexture(m_texture, m_rect, m_rectRotated, m_unflippedOffsetPositionFromCenter,
                                            m_contentSize);
}

void CCSprite::setDisplayFrameWithAnimationName(const char* animationName, int frameIndex)
{
    CCAnimation* animation = CCAnimationCache::sharedAnimationCache()->animationByName(animationName);
    if (!animation) {
        CCLog("CCSprite: no animation named %s", animationName ? animationName : "(null)");
        return;
    }
    CCArray* frames = animation->getFrames();
    if (frameIndex < 0 || static_cast<unsigned>(frameIndex) >= frames->count()) {
        CCLog("CCSprite: animation %s has no frame %d", animationName, frameIndex);
        return;
    }
    auto* frame = static_cast<CCAnimationFrame*>(frames->objectAtIndex(static_cast<unsigned>(frameIndex)));
    setDisplayFrame(frame->getSpriteFrame());
}

void CCSprite::updateColor()
{
    ccColor4B c{m_rgba.displayedColor.r, m_rgba.displayedColor.g, m_rgba.displayedColor.b, m_rgba.displayedOpacity};
    if (m_opacityModifyRGB) {
        c.r = static_cast<GLubyte>(c.r * c.a / 255);
        c.g = static_cast<GLubyte>(c.g * c.a / 255);
        c.b = static_cast<GLubyte>(c.b * c.a / 255);
    }
    m_quad.bl.colors = m_quad.br.colors = m_quad.tl.colors = m_quad.tr.colors = c;
}

void CCSprite::setColor(const ccColor3B& color)
{
    CCNodeRGBA::setColor(color);
    updateColor();
}

void CCSprite::updateDisplayedColor(const ccColor3B& parentColor)
{
    CCNodeRGBA::updateDisplayedColor(parentColor);
    updateColor();
}

void CCSprite::setOpacity(GLubyte opacity)
{
    CCNodeRGBA::setOpacity(opacity);
    updateColor();
}

void CCSprite::updateDisplayedOpacity(GLubyte parentOpacity)
{
    CCNodeRGBA::updateDisplayedOpacity(parentOpacity);
    updateColor();
}

void CCSprite::setOpacityModifyRGB(bool modify)
{
    if (m_opacityModifyRGB != modify) {
        m_opacityModifyRGB = modify;
        updateColor();
    }
}

} // namespace cocos2d

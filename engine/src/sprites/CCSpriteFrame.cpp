#include "sprites/CCSpriteFrame.h"

#include "sprites/CCTextureCache.h"

namespace cocos2d {

CCSpriteFrame::~CCSpriteFrame()
{
    CC_SAFE_RELEASE(m_texture);
}

CCSpriteFrame* CCSpriteFrame::create(const char* filename, const CCRect& rect)
{
    return create(filename, rect, false, CCPointZero, rect.size);
}

CCSpriteFrame* CCSpriteFrame::create(const char* filename, const CCRect& rect, bool rotated, const CCPoint& offset,
                                     const CCSize& originalSize)
{
    auto* f = new CCSpriteFrame();
    if (!f->initWithTextureFilename(filename, rect, rotated, offset, originalSize)) {
        delete f;
        return nullptr;
    }
    f->autorelease();
    return f;
}

CCSpriteFrame* CCSpriteFrame::createWithTexture(CCTexture2D* texture, const CCRect& rect)
{
    return createWithTexture(texture, rect, false, CCPointZero, rect.size);
}

CCSpriteFrame* CCSpriteFrame::createWithTexture(CCTexture2D* texture, const CCRect& rect, bool rotated,
                                                const CCPoint& offset, const CCSize& originalSize)
{
    auto* f = new CCSpriteFrame();
    if (!f->initWithTexture(texture, rect, rotated, offset, originalSize)) {
        delete f;
        return nullptr;
    }
    f->autorelease();
    return f;
}

bool CCSpriteFrame::initWithTexture(CCTexture2D* texture, const CCRect& rect, bool rotated, const CCPoint& offset,
                                    const CCSize& originalSize)
{
    setTexture(texture);
    m_rect = rect;
    m_rotated = rotated;
    m_offset = offset;
    m_originalSize = originalSize;
    return true;
}

bool CCSpriteFrame::initWithTextureFilename(const char* filename, const CCRect& rect, bool rotated,
                                            const CCPoint& offset, const CCSize& originalSize)
{
    if (!filename || !*filename)
        return false;
    m_textureFilename = filename;
    return initWithTexture(nullptr, rect, rotated, offset, originalSize);
}

CCTexture2D* CCSpriteFrame::getTexture()
{
    if (!m_texture && !m_textureFilename.empty())
        setTexture(CCTextureCache::sharedTextureCache()->addImage(m_textureFilename.c_str()));
    return m_texture;
}

void CCSpriteFrame::setTexture(CCTexture2D* texture)
{
    if (texture == m_texture)
        return;
    CC_SAFE_RETAIN(texture);
    CC_SAFE_RELEASE(m_texture);
    m_texture = texture;
}

CCObject* CCSpriteFrame::copyWithZone(CCZone*)
{
    auto* f = new CCSpriteFrame();
    f->initWithTexture(m_texture, m_rect, m_rotated, m_offset, m_originalSize);
    f->m_textureFilename = m_textureFilename;
    return f;
}

} // namespace cocos2d

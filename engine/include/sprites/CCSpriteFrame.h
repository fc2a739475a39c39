// One picture inside a texture: its trimmed rectangle (w,h as displayed, also for rotated frames),
// the trimmed centre's offset from the untrimmed centre, and the untrimmed size.
#pragma once

#include <string>

#include "base/CCGeometry.h"
#include "base/CCObject.h"

namespace cocos2d {

class CCTexture2D;

class CCSpriteFrame : public CCObject {
public:
    ~CCSpriteFrame() override;

    static CCSpriteFrame* create(const char* filename, const CCRect& rect);
    static CCSpriteFrame* create(const char* filename, const CCRect& rect, bool rotated, const CCPoint& offset,
                                 const CCSize& originalSize);
    static CCSpriteFrame* createWithTexture(CCTexture2D* texture, const CCRect& rect);
    static CCSpriteFrame* createWithTexture(CCTexture2D* texture, const CCRect& rect, bool rotated,
                                            const CCPoint& offset, const CCSize& originalSize);

    bool initWithTexture(CCTexture2D* texture, const CCRect& rect, bool rotated, const CCPoint& offset,
                         const CCSize& originalSize);
    bool initWithTextureFilename(const char* filename, const CCRect& rect, bool rotated, const CCPoint& offset,
                                 const CCSize& originalSize);

    const CCRect& getRect() const { return m_rect; }
    void setRect(const CCRect& rect) { m_rect = rect; }
    const CCRect& getRectInPixels() const { return m_rect; }
    void setRectInPixels(const CCRect& rect) { m_rect = rect; }
    bool isRotated() const { return m_rotated; }
    void setRotated(bool rotated) { m_rotated = rotated; }
    const CCPoint& getOffset() const { return m_offset; }
    void setOffset(const CCPoint& offset) { m_offset = offset; }
    const CCPoint& getOffsetInPixels() const { return m_offset; }
    const CCSize& getOriginalSize() const { return m_originalSize; }
    void setOriginalSize(const CCSize& size) { m_originalSize = size; }
    const CCSize& getOriginalSizeInPixels() const { return m_originalSize; }

    // Loaded on first use when the frame was made from a file name.
    CCTexture2D* getTexture();
    void setTexture(CCTexture2D* texture);

    CCObject* copyWithZone(CCZone* zone) override;

private:
    CCRect m_rect;
    bool m_rotated = false;
    CCPoint m_offset;
    CCSize m_originalSize;
    CCTexture2D* m_texture = nullptr;
    std::string m_textureFilename;
};

} // namespace cocos2d

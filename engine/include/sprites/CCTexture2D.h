// A GL texture with its pixel size. Without a GL context (logic tests) only the sizes are kept,
// so sprites, frames and labels still measure correctly.
#pragma once

#include "base/CCGeometry.h"
#include "base/CCObject.h"
#include "base/ccTypes.h"

namespace cocos2d {

class CCImage;

typedef enum {
    kCCTexture2DPixelFormat_RGBA8888,
    kCCTexture2DPixelFormat_RGB888,
    kCCTexture2DPixelFormat_RGB565,
    kCCTexture2DPixelFormat_A8,
    kCCTexture2DPixelFormat_I8,
    kCCTexture2DPixelFormat_AI88,
    kCCTexture2DPixelFormat_RGBA4444,
    kCCTexture2DPixelFormat_RGB5A1,
    kCCTexture2DPixelFormat_Default = kCCTexture2DPixelFormat_RGBA8888,
} CCTexture2DPixelFormat;

struct ccTexParams {
    GLenum minFilter, magFilter, wrapS, wrapT;
};

class CCTexture2D : public CCObject {
public:
    CCTexture2D();
    ~CCTexture2D() override;

    // Only RGBA8888 data (rows top to bottom) is accepted; other formats are refused with a log line.
    bool initWithData(const void* data, CCTexture2DPixelFormat pixelFormat, unsigned int pixelsWide,
                      unsigned int pixelsHigh, const CCSize& contentSize);
    bool initWithImage(CCImage* image);
    // Takes ownership of an existing GL texture (render targets).
    bool initWithGLName(unsigned int name, unsigned int pixelsWide, unsigned int pixelsHigh, bool premultiplied);

    unsigned int getName() const { return m_name; }
    unsigned int getPixelsWide() const { return m_pixelsWide; }
    unsigned int getPixelsHigh() const { return m_pixelsHigh; }
    CCSize getContentSize() const { return m_contentSize; }
    const CCSize& getContentSizeInPixels() const { return m_contentSize; }
    CCTexture2DPixelFormat getPixelFormat() const { return kCCTexture2DPixelFormat_RGBA8888; }
    // Pictures are stored at their own size (no power-of-two padding), so these are always 1.
    float getMaxS() const { return m_maxS; }
    float getMaxT() const { return m_maxT; }
    bool hasPremultipliedAlpha() const { return m_premultiplied; }
    void setPremultipliedAlpha(bool premultiplied) { m_premultiplied = premultiplied; }

    void setTexParameters(ccTexParams* params);
    void setAntiAliasTexParameters();
    void setAliasTexParameters();
    void generateMipmap() {}

    const char* description() const;

private:
    unsigned int m_name = 0;
    unsigned int m_pixelsWide = 0, m_pixelsHigh = 0;
    CCSize m_contentSize;
    float m_maxS = 1, m_maxT = 1;
    bool m_premultiplied = false;
};

} // namespace cocos2d

// Decoded picture in RGBA8888 (rows top to bottom). PNG and other pictures with alpha are
// premultiplied on load, as the 2.2 textures expect; JPEG has no alpha and stays straight.
#pragma once

#include <string>
#include <vector>

#include "base/CCObject.h"

struct SDL_Surface;

namespace cocos2d {

class CCImage : public CCObject {
public:
    enum EImageFormat { kFmtJpg = 0, kFmtPng, kFmtTiff, kFmtWebp, kFmtRawData, kFmtUnKnown };

    // Path as given (already resolved); false with a log line naming the file when unreadable.
    bool initWithImageFile(const char* path, EImageFormat format = kFmtUnKnown);
    bool initWithImageData(const void* data, int length, EImageFormat format = kFmtUnKnown);
    // Raw RGBA8888 pixels (rows top to bottom), premultiplied or not as said.
    bool initWithRawRGBA(const unsigned char* pixels, int width, int height, bool premultiplied);

    unsigned char* getData() { return m_pixels.data(); }
    const std::vector<unsigned char>& pixels() const { return m_pixels; }
    int getDataLen() const { return static_cast<int>(m_pixels.size()); }
    unsigned short getWidth() const { return static_cast<unsigned short>(m_width); }
    unsigned short getHeight() const { return static_cast<unsigned short>(m_height); }
    bool hasAlpha() const { return m_hasAlpha; }
    bool isPremultipliedAlpha() const { return m_premultiplied; }

    // PNG or JPEG by the file's extension. Straight alpha is written (premultiplication undone).
    bool saveToFile(const char* path, bool isToRGB = false) const;

private:
    bool fromSurface(::SDL_Surface* surface, const std::string& what);

    std::vector<unsigned char> m_pixels;
    int m_width = 0, m_height = 0;
    bool m_hasAlpha = false;
    bool m_premultiplied = false;
};

} // namespace cocos2d

// A texture nodes can be drawn into (cocos2d-x 2.2): between begin() and end() whatever is visited lands
// in the texture at its world coordinates (texture pixel (0,0) = world (0,0)). The node shows the
// texture through its sprite, centred on its position. Needs the GL renderer: create gives null (logged)
// without one.
#pragma once

#include "nodes/CCNode.h"

namespace cocos2d {

class CCSprite;
class RenderTarget;

typedef enum { kCCImageFormatJPEG = 0, kCCImageFormatPNG = 1 } tCCImageFormat;

class CCRenderTexture : public CCNode {
public:
    static CCRenderTexture* create(int width, int height);
    static CCRenderTexture* create(int width, int height, int format);
    ~CCRenderTexture() override;
    bool initWithWidthAndHeight(int width, int height);

    void begin();
    void beginWithClear(float r, float g, float b, float a);
    void end();
    void clear(float r, float g, float b, float a);
    CCSprite* getSprite() const { return m_sprite; }

    // writablePath + name, PNG or JPEG.
    bool saveToFile(const char* name, tCCImageFormat format);
    // The path as given; the format follows the extension.
    bool saveToFile(const char* path);
    // Rows top to bottom, RGBA (tests).
    bool readPixels(std::vector<unsigned char>& rgba);

private:
    RenderTarget* m_target = nullptr;
    CCSprite* m_sprite = nullptr;
};

} // namespace cocos2d

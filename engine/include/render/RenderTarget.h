// An offscreen framebuffer (colour texture + depth/stencil) nodes can be drawn into, for
// CCRenderTexture and off-window screenshots. Texture pixel (0,0) is world point (0,0); the target
// covers world (0..width, 0..height) with a flat projection.
#pragma once

#include <string>
#include <vector>

namespace cocos2d {

class CCTexture2D;
class GLRenderer;

class RenderTarget {
public:
    // Null (logged) without a GL renderer or when the driver refuses the framebuffer.
    static RenderTarget* create(int width, int height);
    ~RenderTarget();
    RenderTarget(const RenderTarget&) = delete;
    RenderTarget& operator=(const RenderTarget&) = delete;

    int width() const { return m_width; }
    int height() const { return m_height; }
    // The colour texture (premultiplied), retained by the target.
    CCTexture2D* texture() const { return m_texture; }

    // Draws go here between begin() and end(); nests with other targets.
    void begin();
    void end();
    void clear(float r, float g, float b, float a);
    // Rows top to bottom, RGBA.
    bool readPixels(std::vector<unsigned char>& rgba);
    bool saveToFile(const std::string& path);

private:
    RenderTarget() = default;
    GLRenderer* m_renderer = nullptr;
    unsigned m_framebuffer = 0;
    unsigned m_depthStencil = 0;
    CCTexture2D* m_texture = nullptr;
    int m_width = 0, m_height = 0;
    bool m_active = false;
};

} // namespace cocos2d

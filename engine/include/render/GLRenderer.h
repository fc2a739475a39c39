// OpenGL 2.1-level back end: one streaming vertex buffer, GLSL 1.20, consecutive draws with the same
// texture, blend mode and alpha test merged into one glDrawArrays.
#pragma once

#include <string>
#include <vector>

#include "render/Renderer.h"

namespace cocos2d {

class GLRenderer : public Renderer {
public:
    // Needs a current GL context; init() compiles the program and makes the white texture.
    GLRenderer() = default;
    ~GLRenderer() override;
    bool init();
    bool ready() const { return m_program != 0; }

    // Design resolution the projection maps; scissor rectangles are given in these points.
    void setDesignSize(float width, float height);

    void beginFrame(const Mat4& projection, int viewportWidth, int viewportHeight, ccColor4F clear) override;
    void endFrame() override;
    void drawQuads(CCTexture2D* texture, ccBlendFunc blend, const ccV3F_C4B_T2F_Quad* quads,
                   std::size_t count) override;
    void drawTriangles(CCTexture2D* texture, ccBlendFunc blend, const ccV3F_C4B_T2F* vertices,
                       std::size_t count) override;
    void flush() override;

    void enableScissor(float x, float y, float width, float height) override;
    void disableScissor() override;
    bool scissorEnabled() const override { return m_scissor; }

    void beginStencilWrite(int layer, float alphaThreshold) override;
    void beginStencilTest(int layer, bool inverted) override;
    void endStencil(int layer) override;
    int stencilBits() const { return m_stencilBits; }

    // Render targets (framebuffer objects) nest; while one is bound its projection replaces the frame's.
    void pushTarget(unsigned framebuffer, int width, int height, const Mat4& projection);
    void popTarget();

    // Pixels of the bound framebuffer, rows top to bottom, RGBA.
    bool readPixels(int x, int y, int width, int height, std::vector<unsigned char>& rgba);
    // Writes the whole current framebuffer (the back buffer before the swap) as PNG.
    bool saveScreenshot(const std::string& path);

    const Mat4& projection() const { return m_projection; }
    int viewportWidth() const { return m_viewportW; }
    int viewportHeight() const { return m_viewportH; }

private:
    struct Target {
        unsigned framebuffer;
        int width, height;
        Mat4 projection;
    };
    void bindState(unsigned textureName, ccBlendFunc blend);
    void applyTarget();
    unsigned nameOf(CCTexture2D* texture) const;

    unsigned m_program = 0;
    int m_locMvp = -1, m_locThreshold = -1, m_locTexture = -1;
    int m_attrPos = -1, m_attrColor = -1, m_attrTex = -1;
    unsigned m_vbo = 0;
    unsigned m_white = 0;
    int m_stencilBits = 0;

    std::vector<ccV3F_C4B_T2F> m_vertices;
    unsigned m_batchTexture = 0;
    ccBlendFunc m_batchBlend;
    float m_threshold = -1.0f; // alpha test while writing a stencil; < 0 = off

    Mat4 m_projection;
    Mat4 m_frameProjection;
    int m_viewportW = 0, m_viewportH = 0;
    float m_designW = 0, m_designH = 0;
    bool m_scissor = false;
    std::vector<Target> m_targets;

    struct StencilState {
        int layer;
        bool inverted;
    };
    std::vector<StencilState> m_stencil;
};

} // namespace cocos2d

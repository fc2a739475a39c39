// Stencil, render targets and read-back of GLRenderer: the state changes that always flush first.
#include <SDL2/SDL_image.h>
#include "render/GLIncludes.h"

#include <cstdio>
#include <cstring>

#include "render/GLRenderer.h"

namespace cocos2d {

void GLRenderer::beginStencilWrite(int layer, float alphaThreshold)
{
    flush();
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    if (layer < 0 || layer >= m_stencilBits)
        return; // no stencil bit left: the stencil shape is swallowed, the content drawn unclipped
    const GLuint mask = 1u << layer;
    glEnable(GL_STENCIL_TEST);
    glStencilMask(mask);
    glClearStencil(0);
    glClear(GL_STENCIL_BUFFER_BIT);
    // Every fragment that survives the alpha test fails GL_NEVER and so writes the layer bit.
    glStencilFunc(GL_NEVER, static_cast<GLint>(mask), mask);
    glStencilOp(GL_REPLACE, GL_KEEP, GL_KEEP);
    m_threshold = alphaThreshold < 1.0f ? alphaThreshold : -1.0f;
}

void GLRenderer::beginStencilTest(int layer, bool inverted)
{
    flush();
    m_threshold = -1.0f;
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    if (layer < 0 || layer >= m_stencilBits)
        return;
    m_stencil.push_back({layer, inverted});
    const GLuint mask = 1u << layer;
    // Nested clipping: the layers below must pass too, so compare this bit and every lower one.
    const GLuint maskLe = mask | (mask - 1);
    glEnable(GL_STENCIL_TEST);
    glStencilMask(0);
    glStencilFunc(GL_EQUAL, static_cast<GLint>(inverted ? (maskLe & ~mask) : maskLe), maskLe);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
}

void GLRenderer::endStencil(int layer)
{
    flush();
    m_threshold = -1.0f;
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    while (!m_stencil.empty() && m_stencil.back().layer >= layer)
        m_stencil.pop_back();
    if (m_stencil.empty()) {
        glDisable(GL_STENCIL_TEST);
        glStencilMask(0xFF);
        return;
    }
    const StencilState outer = m_stencil.back();
    m_stencil.pop_back();
    beginStencilTest(outer.layer, outer.inverted);
}

void GLRenderer::pushTarget(unsigned framebuffer, int width, int height, const Mat4& projection)
{
    flush();
    m_targets.push_back({framebuffer, width, height, projection});
    applyTarget();
}

void GLRenderer::popTarget()
{
    flush();
    if (!m_targets.empty())
        m_targets.pop_back();
    applyTarget();
}

void GLRenderer::applyTarget()
{
    if (m_targets.empty()) {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glViewport(0, 0, m_viewportW, m_viewportH);
        m_projection = m_frameProjection;
        return;
    }
    const Target& t = m_targets.back();
    glBindFramebuffer(GL_FRAMEBUFFER, t.framebuffer);
    glViewport(0, 0, t.width, t.height);
    m_projection = t.projection;
}

bool GLRenderer::readPixels(int x, int y, int width, int height, std::vector<unsigned char>& rgba)
{
    if (width <= 0 || height <= 0)
        return false;
    flush();
    if (m_targets.empty())
        glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    const std::size_t row = static_cast<std::size_t>(width) * 4;
    std::vector<unsigned char> raw(row * static_cast<std::size_t>(height));
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, raw.data());
    rgba.resize(raw.size());
    // GL rows start at the bottom; pictures start at the top.
    for (int r = 0; r < height; ++r)
        std::memcpy(&rgba[static_cast<std::size_t>(r) * row],
                    &raw[static_cast<std::size_t>(height - 1 - r) * row], row);
    return glGetError() == GL_NO_ERROR;
}

bool GLRenderer::saveScreenshot(const std::string& path)
{
    int w = m_viewportW, h = m_viewportH;
    if (!m_targets.empty()) {
        w = m_targets.back().width;
        h = m_targets.back().height;
    }
    std::vector<unsigned char> pixels;
    if (!readPixels(0, 0, w, h, pixels)) {
        std::fprintf(stderr, "screenshot: cannot read the frame for %s\n", path.c_str());
        return false;
    }
    // What was blended into the window is opaque on screen, whatever alpha the buffer kept.
    for (std::size_t i = 3; i < pixels.size(); i += 4)
        pixels[i] = 255;
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), w, h, 32, w * 4, SDL_PIXELFORMAT_RGBA32);
    if (!surface)
        return false;
    const bool ok = IMG_SavePNG(surface, path.c_str()) == 0;
    SDL_FreeSurface(surface);
    if (!ok)
        std::fprintf(stderr, "screenshot: cannot write %s: %s\n", path.c_str(), IMG_GetError());
    return ok;
}

} // namespace cocos2d

#include "render/RenderTarget.h"

#include <SDL2/SDL.h>

#include "base/CCConsole.h"
#include "platform/CCImage.h"
#include "render/GLIncludes.h"
#include "render/GLRenderer.h"
#include "sprites/CCTexture2D.h"

namespace cocos2d {

namespace {
Mat4 flatProjection(int width, int height)
{
    // Orthographic: world x 0..w and y 0..h onto clip -1..1; z kept in a generous range.
    Mat4 m;
    m.at(0, 0) = 2.0f / static_cast<float>(width);
    m.at(1, 1) = 2.0f / static_cast<float>(height);
    m.at(2, 2) = -1.0f / 1024.0f;
    m.at(0, 3) = -1.0f;
    m.at(1, 3) = -1.0f;
    return m;
}
} // namespace

RenderTarget* RenderTarget::create(int width, int height)
{
    auto* renderer = dynamic_cast<GLRenderer*>(Renderer::current());
    if (!renderer || !SDL_GL_GetCurrentContext()) {
        CCLog("RenderTarget: no GL renderer");
        return nullptr;
    }
    if (width <= 0 || height <= 0 || width > 8192 || height > 8192) {
        CCLog("RenderTarget: refusing %dx%d", width, height);
        return nullptr;
    }
    auto* t = new RenderTarget();
    t->m_renderer = renderer;
    t->m_width = width;
    t->m_height = height;
    GLuint colour = 0;
    glGenTextures(1, &colour);
    glBindTexture(GL_TEXTURE_2D, colour);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    t->m_texture = new CCTexture2D();
    t->m_texture->initWithGLName(colour, static_cast<unsigned>(width), static_cast<unsigned>(height), true);

    GLint previous = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &previous);
    glGenFramebuffers(1, &t->m_framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, t->m_framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour, 0);
    glGenRenderbuffers(1, &t->m_depthStencil);
    glBindRenderbuffer(GL_RENDERBUFFER, t->m_depthStencil);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, t->m_depthStencil);
    const GLenum status = glCheckFramebufferStatus(GL_FRAMEBUFFER);
    glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(previous));
    if (status != GL_FRAMEBUFFER_COMPLETE) {
        CCLog("RenderTarget: framebuffer incomplete (0x%x)", status);
        delete t;
        return nullptr;
    }
    t->clear(0, 0, 0, 0);
    return t;
}

RenderTarget::~RenderTarget()
{
    if (m_active)
        end();
    if (SDL_GL_GetCurrentContext()) {
        if (m_framebuffer)
            glDeleteFramebuffers(1, &m_framebuffer);
        if (m_depthStencil)
            glDeleteRenderbuffers(1, &m_depthStencil);
    }
    CC_SAFE_RELEASE(m_texture);
}

void RenderTarget::begin()
{
    if (m_active)
        return;
    m_renderer->pushTarget(m_framebuffer, m_width, m_height, flatProjection(m_width, m_height));
    m_active = true;
}

void RenderTarget::end()
{
    if (!m_active)
        return;
    m_renderer->popTarget();
    m_active = false;
}

void RenderTarget::clear(float r, float g, float b, float a)
{
    const bool wasActive = m_active;
    begin();
    GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(r, g, b, a);
    glStencilMask(0xFF);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    if (scissor)
        glEnable(GL_SCISSOR_TEST);
    if (!wasActive)
        end();
}

bool RenderTarget::readPixels(std::vector<unsigned char>& rgba)
{
    const bool wasActive = m_active;
    begin();
    const bool ok = m_renderer->readPixels(0, 0, m_width, m_height, rgba);
    if (!wasActive)
        end();
    return ok;
}

bool RenderTarget::saveToFile(const std::string& path)
{
    std::vector<unsigned char> pixels;
    if (!readPixels(pixels))
        return false;
    CCImage image;
    if (!image.initWithRawRGBA(pixels.data(), m_width, m_height, true))
        return false;
    return image.saveToFile(path.c_str());
}

} // namespace cocos2d

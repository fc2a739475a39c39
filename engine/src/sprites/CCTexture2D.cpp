#include "sprites/CCTexture2D.h"

#include <SDL2/SDL.h>

#include <cstdio>

#include "base/CCConsole.h"
#include "platform/CCImage.h"
#include "render/GLIncludes.h"

namespace cocos2d {

namespace {
bool haveContext()
{
    return SDL_WasInit(SDL_INIT_VIDEO) && SDL_GL_GetCurrentContext() != nullptr;
}
} // namespace

CCTexture2D::CCTexture2D() = default;

CCTexture2D::~CCTexture2D()
{
    if (m_name && haveContext())
        glDeleteTextures(1, &m_name);
}

bool CCTexture2D::initWithData(const void* data, CCTexture2DPixelFormat pixelFormat, unsigned int pixelsWide,
                               unsigned int pixelsHigh, const CCSize& contentSize)
{
    if (pixelFormat != kCCTexture2DPixelFormat_RGBA8888) {
        CCLog("CCTexture2D: only RGBA8888 data is supported (format %d)", static_cast<int>(pixelFormat));
        return false;
    }
    if (pixelsWide == 0 || pixelsHigh == 0 || pixelsWide > 16384 || pixelsHigh > 16384) {
        CCLog("CCTexture2D: refusing a %ux%u texture", pixelsWide, pixelsHigh);
        return false;
    }
    m_pixelsWide = pixelsWide;
    m_pixelsHigh = pixelsHigh;
    m_contentSize = contentSize;
    if (haveContext() && data) {
        if (m_name)
            glDeleteTextures(1, &m_name);
        glGenTextures(1, &m_name);
        glBindTexture(GL_TEXTURE_2D, m_name);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        // Rows go up top-first, so texture coordinate v = 0 is the picture's top row, as in cocos2d-x.
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, static_cast<GLsizei>(pixelsWide), static_cast<GLsizei>(pixelsHigh),
                     0, GL_RGBA, GL_UNSIGNED_BYTE, data);
    }
    return true;
}

bool CCTexture2D::initWithImage(CCImage* image)
{
    if (!image || image->getDataLen() == 0) {
        CCLog("CCTexture2D: no image");
        return false;
    }
    m_premultiplied = image->isPremultipliedAlpha();
    return initWithData(image->getData(), kCCTexture2DPixelFormat_RGBA8888, image->getWidth(), image->getHeight(),
                        CCSize(image->getWidth(), image->getHeight()));
}

bool CCTexture2D::initWithGLName(unsigned int name, unsigned int pixelsWide, unsigned int pixelsHigh,
                                 bool premultiplied)
{
    m_name = name;
    m_pixelsWide = pixelsWide;
    m_pixelsHigh = pixelsHigh;
    m_contentSize = CCSize(static_cast<float>(pixelsWide), static_cast<float>(pixelsHigh));
    m_premultiplied = premultiplied;
    return true;
}

void CCTexture2D::setTexParameters(ccTexParams* params)
{
    if (!params || !m_name || !haveContext())
        return;
    glBindTexture(GL_TEXTURE_2D, m_name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLint>(params->minFilter));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLint>(params->magFilter));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, static_cast<GLint>(params->wrapS));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, static_cast<GLint>(params->wrapT));
}

void CCTexture2D::setAntiAliasTexParameters()
{
    ccTexParams p{GL_LINEAR, GL_LINEAR, GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE};
    setTexParameters(&p);
}

void CCTexture2D::setAliasTexParameters()
{
    ccTexParams p{GL_NEAREST, GL_NEAREST, GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE};
    setTexParameters(&p);
}

const char* CCTexture2D::description() const
{
    static thread_local char buf[96];
    std::snprintf(buf, sizeof buf, "<CCTexture2D | Name = %u | Dimensions = %u x %u>", m_name, m_pixelsWide,
                  m_pixelsHigh);
    return buf;
}

} // namespace cocos2d

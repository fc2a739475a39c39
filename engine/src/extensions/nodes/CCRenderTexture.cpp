#include "extensions/CCRenderTexture.h"

#include <vector>

#include "base/CCConsole.h"
#include "platform/CCImage.h"
#include "render/RenderTarget.h"
#include "sprites/CCSprite.h"
#include "sprites/CCTexture2D.h"
#include "support/CCFileUtils.h"

namespace cocos2d {

CCRenderTexture* CCRenderTexture::create(int width, int height)
{
    auto* texture = new CCRenderTexture();
    if (texture->initWithWidthAndHeight(width, height)) {
        texture->autorelease();
        return texture;
    }
    delete texture;
    return nullptr;
}

CCRenderTexture* CCRenderTexture::create(int width, int height, int) { return create(width, height); }

CCRenderTexture::~CCRenderTexture() { delete m_target; }

bool CCRenderTexture::initWithWidthAndHeight(int width, int height)
{
    if (!CCNode::init())
        return false;
    if (width <= 0 || height <= 0 || width > 8192 || height > 8192) {
        CCLog("CCRenderTexture: refusing a %d x %d texture", width, height);
        return false;
    }
    m_target = RenderTarget::create(width, height);
    if (!m_target) {
        CCLog("CCRenderTexture: no render target (%d x %d) without a GL context", width, height);
        return false;
    }
    m_sprite = CCSprite::createWithTexture(m_target->texture());
    m_sprite->setScaleY(-1); // the texture's rows run bottom-up
    m_sprite->setBlendFunc(ccBlendFunc{kGL_ONE, kGL_ONE_MINUS_SRC_ALPHA});
    addChild(m_sprite);
    return true;
}

void CCRenderTexture::begin() { m_target->begin(); }

void CCRenderTexture::beginWithClear(float r, float g, float b, float a)
{
    m_target->begin();
    m_target->clear(r, g, b, a);
}

void CCRenderTexture::end() { m_target->end(); }

void CCRenderTexture::clear(float r, float g, float b, float a)
{
    m_target->begin();
    m_target->clear(r, g, b, a);
    m_target->end();
}

bool CCRenderTexture::readPixels(std::vector<unsigned char>& rgba) { return m_target->readPixels(rgba); }

bool CCRenderTexture::saveToFile(const char* name, tCCImageFormat format)
{
    if (!name || !*name)
        return false;
    std::string path = CCFileUtils::sharedFileUtils()->getWritablePath() + name;
    std::string wanted = format == kCCImageFormatJPEG ? ".jpg" : ".png";
    if (path.size() < 4 || (path.substr(path.size() - 4) != wanted && path.substr(path.size() - 5) != ".jpeg"))
        path += wanted;
    return saveToFile(path.c_str());
}

bool CCRenderTexture::saveToFile(const char* path)
{
    std::vector<unsigned char> rgba;
    if (!path || !m_target->readPixels(rgba))
        return false;
    auto* image = new CCImage();
    bool ok = image->initWithRawRGBA(rgba.data(), m_target->width(), m_target->height(), true) &&
              image->saveToFile(path);
    image->release();
    if (!ok)
        CCLog("CCRenderTexture: cannot save \"%s\"", path);
    return ok;
}

} // namespace cocos2d

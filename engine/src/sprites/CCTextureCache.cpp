#include "sprites/CCTextureCache.h"

#include "base/CCConsole.h"
#include "platform/CCImage.h"
#include "support/CCFileUtils.h"

namespace cocos2d {

namespace {
CCTextureCache* g_cache = nullptr;
}

CCTextureCache* CCTextureCache::sharedTextureCache()
{
    if (!g_cache)
        g_cache = new CCTextureCache();
    return g_cache;
}

void CCTextureCache::purgeSharedTextureCache()
{
    CC_SAFE_RELEASE_NULL(g_cache);
}

CCTextureCache::~CCTextureCache()
{
    removeAllTextures();
}

std::string CCTextureCache::keyFor(const char* path) const
{
    CCFileUtils* fu = CCFileUtils::sharedFileUtils();
    std::string full = fu->fullPathForFilename(path);
    if (!fu->isAbsolutePath(full) && fu->isFileExist(full))
        full = fu->getResourceRoot() + full;
    return full;
}

CCTexture2D* CCTextureCache::addImage(const char* path)
{
    if (!path || !*path) {
        CCLog("CCTextureCache: empty picture name");
        return nullptr;
    }
    const std::string key = keyFor(path);
    auto it = m_textures.find(key);
    if (it != m_textures.end())
        return it->second;
    CCImage image;
    if (!image.initWithImageFile(key.c_str()))
        return nullptr;
    auto* texture = new CCTexture2D();
    if (!texture->initWithImage(&image)) {
        CCLog("CCTextureCache: cannot make a texture of %s", key.c_str());
        texture->release();
        return nullptr;
    }
    m_textures[key] = texture;
    return texture;
}

CCTexture2D* CCTextureCache::addUIImage(CCImage* image, const char* key)
{
    if (!image)
        return nullptr;
    if (key) {
        auto it = m_textures.find(key);
        if (it != m_textures.end())
            return it->second;
    }
    auto* texture = new CCTexture2D();
    if (!texture->initWithImage(image)) {
        texture->release();
        return nullptr;
    }
    if (!key) {
        texture->autorelease();
        return texture;
    }
    m_textures[key] = texture;
    return texture;
}

CCTexture2D* CCTextureCache::textureForKey(const char* key)
{
    if (!key)
        return nullptr;
    auto it = m_textures.find(key);
    if (it == m_textures.end())
        it = m_textures.find(keyFor(key));
    return it == m_textures.end() ? nullptr : it->second;
}

void CCTextureCache::removeAllTextures()
{
    for (auto& [key, texture] : m_textures)
        texture->release();
    m_textures.clear();
}

void CCTextureCache::removeUnusedTextures()
{
    for (auto it = m_textures.begin(); it != m_textures.end();) {
        if (it->second->retainCount() == 1) {
            it->second->release();
            it = m_textures.erase(it);
        } else {
            ++it;
        }
    }
}

void CCTextureCache::removeTexture(CCTexture2D* texture)
{
    for (auto it = m_textures.begin(); it != m_textures.end();) {
        if (it->second == texture) {
            texture->release();
            it = m_textures.erase(it);
        } else {
            ++it;
        }
    }
}

void CCTextureCache::removeTextureForKey(const char* key)
{
    if (!key)
        return;
    auto it = m_textures.find(key);
    if (it == m_textures.end())
        it = m_textures.find(keyFor(key));
    if (it != m_textures.end()) {
        it->second->release();
        m_textures.erase(it);
    }
}

void CCTextureCache::dumpCachedTextureInfo()
{
    unsigned long bytes = 0;
    for (auto& [key, t] : m_textures) {
        bytes += static_cast<unsigned long>(t->getPixelsWide()) * t->getPixelsHigh() * 4;
        CCLog("\"%s\" rc=%u %s", key.c_str(), t->retainCount(), t->description());
    }
    CCLog("CCTextureCache: %zu textures, %.2f MB", m_textures.size(), bytes / (1024.0 * 1024.0));
}

} // namespace cocos2d

// Textures by full path (after search-path resolution). The cache holds one reference per texture.
#pragma once

#include <map>
#include <string>

#include "sprites/CCTexture2D.h"

namespace cocos2d {

class CCImage;

class CCTextureCache : public CCObject {
public:
    static CCTextureCache* sharedTextureCache();
    static void purgeSharedTextureCache();
    ~CCTextureCache() override;

    // The cached texture or a newly loaded one; null (with a log line) when unreadable.
    CCTexture2D* addImage(const char* path);
    CCTexture2D* addUIImage(CCImage* image, const char* key);
    CCTexture2D* textureForKey(const char* key);

    // Only the cache's references go: textures still used elsewhere stay alive.
    void removeAllTextures();
    // Drops textures nobody but the cache holds.
    void removeUnusedTextures();
    void removeTexture(CCTexture2D* texture);
    void removeTextureForKey(const char* key);
    std::size_t count() const { return m_textures.size(); }
    void dumpCachedTextureInfo();

private:
    CCTextureCache() = default;
    std::string keyFor(const char* path) const;
    std::map<std::string, CCTexture2D*> m_textures;
};

} // namespace cocos2d

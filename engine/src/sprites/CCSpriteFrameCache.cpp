#include "sprites/CCSpriteFrameCache.h"

#include <cmath>
#include <vector>

#include "base/CCConsole.h"
#include "sprites/CCSpriteFrame.h"
#include "sprites/CCTextureCache.h"
#include "support/CCFileUtils.h"
#include "support/CCNS.h"

namespace cocos2d {

namespace {

CCSpriteFrameCache* g_frameCache = nullptr;

std::string text(const PlistValue& dict, const char* key)
{
    const PlistValue* v = dict.find(key);
    return v ? v->text : std::string();
}

float number(const PlistValue& dict, const char* key)
{
    const PlistValue* v = dict.find(key);
    return v ? static_cast<float>(v->asDouble()) : 0.0f;
}

bool flag(const PlistValue& dict, const char* key)
{
    const PlistValue* v = dict.find(key);
    return v && v->asBool();
}

std::string resolvedPath(const std::string& name)
{
    CCFileUtils* fu = CCFileUtils::sharedFileUtils();
    std::string full = fu->fullPathForFilename(name.c_str());
    if (!fu->isAbsolutePath(full))
        full = fu->getResourceRoot() + full;
    return full;
}

} // namespace

CCSpriteFrameCache* CCSpriteFrameCache::sharedSpriteFrameCache()
{
    if (!g_frameCache)
        g_frameCache = new CCSpriteFrameCache();
    return g_frameCache;
}

void CCSpriteFrameCache::purgeSharedSpriteFrameCache()
{
    CC_SAFE_RELEASE_NULL(g_frameCache);
}

CCSpriteFrameCache::~CCSpriteFrameCache()
{
    removeSpriteFrames();
}

bool CCSpriteFrameCache::addSpriteFramesWithPlist(const PlistValue& root, CCTexture2D* texture, const std::string& what)
{
    const PlistValue* frames = root.find("frames");
    if (!frames || !frames->isDict()) {
        CCLog("sprite sheet %s has no frames dictionary", what.c_str());
        return false;
    }
    int format = 0;
    if (const PlistValue* meta = root.find("metadata"))
        if (const PlistValue* f = meta->find("format"))
            format = f->asInt();
    if (format < 0 || format > 3) {
        CCLog("sprite sheet %s: unsupported format %d", what.c_str(), format);
        return false;
    }
    for (const auto& [name, d] : frames->entries) {
        if (!d.isDict() || m_frames.count(name))
            continue;
        CCRect rect;
        CCPoint offset;
        CCSize original;
        bool rotated = false;
        if (format == 0) {
            rect = CCRect(number(d, "x"), number(d, "y"), number(d, "width"), number(d, "height"));
            offset = CCPoint(number(d, "offsetX"), number(d, "offsetY"));
            // Old sheets store the untrimmed height negated; only its size matters.
            original = CCSize(std::fabs(number(d, "originalWidth")), std::fabs(number(d, "originalHeight")));
        } else if (format == 1 || format == 2) {
            rect = CCRectFromString(text(d, "frame").c_str());
            offset = CCPointFromString(text(d, "offset").c_str());
            original = CCSizeFromString(text(d, "sourceSize").c_str());
            rotated = format == 2 && flag(d, "rotated");
        } else {
            const CCSize size = CCSizeFromString(text(d, "spriteSize").c_str());
            const CCRect textureRect = CCRectFromString(text(d, "textureRect").c_str());
            rect = CCRect(textureRect.origin.x, textureRect.origin.y, size.width, size.height);
            offset = CCPointFromString(text(d, "spriteOffset").c_str());
            original = CCSizeFromString(text(d, "spriteSourceSize").c_str());
            rotated = flag(d, "textureRotated");
            if (const PlistValue* aliases = d.find("aliases"))
                for (const PlistValue& alias : aliases->items) {
                    if (m_aliases.count(alias.text))
                        CCLog("sprite sheet %s: alias %s already used", what.c_str(), alias.text.c_str());
                    else
                        m_aliases[alias.text] = name;
                }
        }
        if (rect.size.width < 0 || rect.size.height < 0) {
            CCLog("sprite sheet %s: frame %s has a negative size, skipped", what.c_str(), name.c_str());
            continue;
        }
        auto* frame = new CCSpriteFrame();
        frame->initWithTexture(texture, rect, rotated, offset, original);
        m_frames[name] = frame;
    }
    return true;
}

void CCSpriteFrameCache::addSpriteFramesWithFile(const char* plist, CCTexture2D* texture)
{
    if (!plist || !texture) {
        CCLog("addSpriteFramesWithFile: no %s", plist ? "texture" : "plist");
        return;
    }
    const std::string full = resolvedPath(plist);
    if (m_loadedFiles.count(full))
        return;
    PlistValue root;
    if (!CCFileUtils::sharedFileUtils()->loadPlist(full, root))
        return;
    if (addSpriteFramesWithPlist(root, texture, full))
        m_loadedFiles.insert(full);
}

void CCSpriteFrameCache::addSpriteFramesWithFile(const char* plist, const char* textureFileName)
{
    if (!plist || !textureFileName)
        return;
    CCTexture2D* texture = CCTextureCache::sharedTextureCache()->addImage(textureFileName);
    if (!texture) {
        CCLog("sprite sheet %s: cannot load its texture %s", plist, textureFileName);
        return;
    }
    addSpriteFramesWithFile(plist, texture);
}

void CCSpriteFrameCache::addSpriteFramesWithFile(const char* plist)
{
    if (!plist || !*plist)
        return;
    const std::string full = resolvedPath(plist);
    if (m_loadedFiles.count(full))
        return;
    PlistValue root;
    if (!CCFileUtils::sharedFileUtils()->loadPlist(full, root))
        return;
    std::string texturePath;
    if (const PlistValue* meta = root.find("metadata"))
        if (const PlistValue* t = meta->find("textureFileName"))
            texturePath = CCFileUtils::sharedFileUtils()->fullPathFromRelativeFile(t->text.c_str(), full.c_str());
    if (texturePath.empty()) {
        texturePath = full;
        const std::size_t dot = texturePath.find_last_of('.');
        const std::size_t slash = texturePath.find_last_of('/');
        if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
            texturePath.erase(dot);
        texturePath += ".png";
    }
    CCTexture2D* texture = CCTextureCache::sharedTextureCache()->addImage(texturePath.c_str());
    if (!texture) {
        CCLog("sprite sheet %s: cannot load its texture %s", full.c_str(), texturePath.c_str());
        return;
    }
    if (addSpriteFramesWithPlist(root, texture, full))
        m_loadedFiles.insert(full);
}

bool CCSpriteFrameCache::isPlistLoaded(const char* plist) const
{
    return plist && m_loadedFiles.count(resolvedPath(plist)) > 0;
}

void CCSpriteFrameCache::addSpriteFrame(CCSpriteFrame* frame, const char* frameName)
{
    if (!frame || !frameName)
        return;
    frame->retain();
    auto it = m_frames.find(frameName);
    if (it != m_frames.end()) {
        it->second->release();
        it->second = frame;
    } else {
        m_frames[frameName] = frame;
    }
}

CCSpriteFrame* CCSpriteFrameCache::spriteFrameByName(const char* name)
{
    if (!name)
        return nullptr;
    auto it = m_frames.find(name);
    if (it == m_frames.end()) {
        auto alias = m_aliases.find(name);
        if (alias != m_aliases.end())
            it = m_frames.find(alias->second);
    }
    if (it == m_frames.end()) {
        CCLog("CCSpriteFrameCache: frame '%s' not found", name);
        return nullptr;
    }
    return it->second;
}

void CCSpriteFrameCache::removeSpriteFrames()
{
    for (auto& [name, frame] : m_frames)
        frame->release();
    m_frames.clear();
    m_aliases.clear();
    m_loadedFiles.clear();
}

void CCSpriteFrameCache::removeUnusedSpriteFrames()
{
    bool removed = false;
    for (auto it = m_frames.begin(); it != m_frames.end();) {
        if (it->second->retainCount() == 1) {
            it->second->release();
            it = m_frames.erase(it);
            removed = true;
        } else {
            ++it;
        }
    }
    // Sheets may now be partly gone; let them be loaded again.
    if (removed)
        m_loadedFiles.clear();
}

void CCSpriteFrameCache::removeSpriteFrameByName(const char* name)
{
    if (!name)
        return;
    std::string key = name;
    auto alias = m_aliases.find(key);
    if (alias != m_aliases.end()) {
        key = alias->second;
        m_aliases.erase(alias);
    }
    auto it = m_frames.find(key);
    if (it != m_frames.end()) {
        it->second->release();
        m_frames.erase(it);
    }
    m_loadedFiles.clear();
}

void CCSpriteFrameCache::removeSpriteFramesFromFile(const char* plist)
{
    if (!plist)
        return;
    const std::string full = resolvedPath(plist);
    PlistValue root;
    if (!CCFileUtils::sharedFileUtils()->loadPlist(full, root))
        return;
    if (const PlistValue* frames = root.find("frames"))
        for (const auto& [name, d] : frames->entries) {
            auto it = m_frames.find(name);
            if (it != m_frames.end()) {
                it->second->release();
                m_frames.erase(it);
            }
        }
    m_loadedFiles.erase(full);
}

void CCSpriteFrameCache::removeSpriteFramesFromTexture(CCTexture2D* texture)
{
    for (auto it = m_frames.begin(); it != m_frames.end();) {
        if (it->second->getTexture() == texture) {
            it->second->release();
            it = m_frames.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace cocos2d

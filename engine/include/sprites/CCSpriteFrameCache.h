// Sprite frames by name, filled from sprite-sheet plists (formats 0 to 3). A plist already loaded
// is ignored, and a name already present is never replaced.
#pragma once

#include <map>
#include <set>
#include <string>

#include "base/CCObject.h"
#include "support/PlistValue.h"

namespace cocos2d {

class CCSpriteFrame;
class CCTexture2D;

class CCSpriteFrameCache : public CCObject {
public:
    static CCSpriteFrameCache* sharedSpriteFrameCache();
    static void purgeSharedSpriteFrameCache();
    ~CCSpriteFrameCache() override;

    // Texture: metadata textureFileName (beside the plist) or the plist name with ".png".
    void addSpriteFramesWithFile(const char* plist);
    void addSpriteFramesWithFile(const char* plist, const char* textureFileName);
    void addSpriteFramesWithFile(const char* plist, CCTexture2D* texture);
    // Frames of an already parsed sheet (the probe and the armature loader use this).
    bool addSpriteFramesWithPlist(const PlistValue& root, CCTexture2D* texture, const std::string& what);
    void addSpriteFrame(CCSpriteFrame* frame, const char* frameName);
    bool isPlistLoaded(const char* plist) const;

    // By name, then by alias; null with a log line when unknown.
    CCSpriteFrame* spriteFrameByName(const char* name);

    void removeSpriteFrames();
    void removeUnusedSpriteFrames();
    void removeSpriteFrameByName(const char* name);
    void removeSpriteFramesFromFile(const char* plist);
    void removeSpriteFramesFromTexture(CCTexture2D* texture);
    std::size_t frameCount() const { return m_frames.size(); }

private:
    CCSpriteFrameCache() = default;
    std::map<std::string, CCSpriteFrame*> m_frames;
    std::map<std::string, std::string> m_aliases;
    std::set<std::string> m_loadedFiles;
};

} // namespace cocos2d

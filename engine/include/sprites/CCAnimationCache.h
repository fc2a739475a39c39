// Named animations, filled in code or from animation plists (versions 1 and 2).
#pragma once

#include <map>
#include <string>

#include "base/CCObject.h"

namespace cocos2d {

class CCAnimation;

class CCAnimationCache : public CCObject {
public:
    static CCAnimationCache* sharedAnimationCache();
    static void purgeSharedAnimationCache();
    ~CCAnimationCache() override;

    void addAnimation(CCAnimation* animation, const char* name);
    void removeAnimationByName(const char* name);
    // Null when unknown.
    CCAnimation* animationByName(const char* name);
    // Frames are looked up in CCSpriteFrameCache; unknown frames are skipped with a log line.
    void addAnimationsWithFile(const char* plist);

private:
    CCAnimationCache() = default;
    std::map<std::string, CCAnimation*> m_animations;
};

} // namespace cocos2d

#include "sprites/CCAnimationCache.h"

#include "base/CCConsole.h"
#include "sprites/CCAnimation.h"
#include "sprites/CCSpriteFrame.h"
#include "sprites/CCSpriteFrameCache.h"
#include "support/CCFileUtils.h"

namespace cocos2d {

namespace {
CCAnimationCache* g_animationCache = nullptr;

CCAnimation* fromVersion1(const PlistValue& d, const std::string& name)
{
    const PlistValue* frames = d.find("frames");
    const PlistValue* delay = d.find("delay");
    if (!frames || !frames->isArray())
        return nullptr;
    CCArray* spriteFrames = CCArray::create();
    for (const PlistValue& f : frames->items) {
        CCSpriteFrame* frame = CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName(f.text.c_str());
        if (frame)
            spriteFrames->addObject(frame);
        else
            CCLog("animation %s: frame %s not found, skipped", name.c_str(), f.text.c_str());
    }
    if (!spriteFrames->count())
        return nullptr;
    return CCAnimation::createWithSpriteFrames(spriteFrames, delay ? static_cast<float>(delay->asDouble()) : 0.0f);
}

CCAnimation* fromVersion2(const PlistValue& d, const std::string& name)
{
    const PlistValue* frames = d.find("frames");
    if (!frames || !frames->isArray())
        return nullptr;
    CCArray* animationFrames = CCArray::create();
    for (const PlistValue& f : frames->items) {
        const PlistValue* spriteName = f.find("spriteframe");
        CCSpriteFrame* frame = spriteName
                                   ? CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName(spriteName->text.c_str())
                                   : nullptr;
        if (!frame) {
            CCLog("animation %s: frame %s not found, skipped", name.c_str(), spriteName ? spriteName->text.c_str() : "?");
            continue;
        }
        const PlistValue* units = f.find("delayUnits");
        auto* af = new CCAnimationFrame();
        af->initWithSpriteFrame(frame, units ? static_cast<float>(units->asDouble()) : 1.0f, nullptr);
        animationFrames->addObject(af);
        af->release();
    }
    if (!animationFrames->count())
        return nullptr;
    const PlistValue* perUnit = d.find("delayPerUnit");
    const PlistValue* loops = d.find("loops");
    CCAnimation* a = CCAnimation::create(animationFrames, perUnit ? static_cast<float>(perUnit->asDouble()) : 0.0f,
                                         loops ? static_cast<unsigned>(loops->asInt()) : 1u);
    if (const PlistValue* restore = d.find("restoreOriginalFrame"))
        a->setRestoreOriginalFrame(restore->asBool());
    return a;
}
} // namespace

CCAnimationCache* CCAnimationCache::sharedAnimationCache()
{
    if (!g_animationCache)
        g_animationCache = new CCAnimationCache();
    return g_animationCache;
}

void CCAnimationCache::purgeSharedAnimationCache()
{
    CC_SAFE_RELEASE_NULL(g_animationCache);
}

CCAnimationCache::~CCAnimationCache()
{
    for (auto& [name, a] : m_animations)
        a->release();
}

void CCAnimationCache::addAnimation(CCAnimation* animation, const char* name)
{
    if (!animation || !name)
        return;
    animation->retain();
    auto it = m_animations.find(name);
    if (it != m_animations.end()) {
        it->second->release();
        it->second = animation;
    } else {
        m_animations[name] = animation;
    }
}

void CCAnimationCache::removeAnimationByName(const char* name)
{
    if (!name)
        return;
    auto it = m_animations.find(name);
    if (it != m_animations.end()) {
        it->second->release();
        m_animations.erase(it);
    }
}

CCAnimation* CCAnimationCache::animationByName(const char* name)
{
    if (!name)
        return nullptr;
    auto it = m_animations.find(name);
    return it == m_animations.end() ? nullptr : it->second;
}

void CCAnimationCache::addAnimationsWithFile(const char* plist)
{
    PlistValue root;
    if (!plist || !CCFileUtils::sharedFileUtils()->loadPlist(plist, root))
        return;
    const PlistValue* animations = root.find("animations");
    if (!animations || !animations->isDict()) {
        CCLog("animation file %s has no animations", plist);
        return;
    }
    if (const PlistValue* props = root.find("properties"))
        if (const PlistValue* sheets = props->find("spritesheets"))
            for (const PlistValue& sheet : sheets->items)
                CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile(
                    CCFileUtils::sharedFileUtils()->fullPathFromRelativeFile(sheet.text.c_str(), plist).c_str());
    int version = 1;
    if (const PlistValue* props = root.find("properties"))
        if (const PlistValue* f = props->find("format"))
            version = f->asInt();
    for (const auto& [name, d] : animations->entries) {
        CCAnimation* a = version == 2 ? fromVersion2(d, name) : fromVersion1(d, name);
        if (a)
            addAnimation(a, name.c_str());
        else
            CCLog("animation file %s: animation %s has no usable frames", plist, name.c_str());
    }
}

} // namespace cocos2d

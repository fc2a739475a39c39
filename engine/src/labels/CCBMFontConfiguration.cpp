#include "labels/CCBMFontConfiguration.h"

#include <map>

#include "base/CCConsole.h"
#include "support/CCFileUtils.h"

namespace cocos2d {

namespace {
// The cache holds one reference to each configuration; a process that never purges it (a test, a
// tool) still gets them back when it exits.
struct ConfigCache : std::map<std::string, CCBMFontConfiguration*> {
    ~ConfigCache()
    {
        for (auto& entry : *this)
            entry.second->release();
    }
};

ConfigCache& configCache()
{
    static ConfigCache cache;
    return cache;
}

std::string fullPath(const char* name)
{
    CCFileUtils* fu = CCFileUtils::sharedFileUtils();
    std::string full = fu->fullPathForFilename(name);
    if (!fu->isAbsolutePath(full))
        full = fu->getResourceRoot() + full;
    return full;
}
} // namespace

CCBMFontConfiguration* CCBMFontConfiguration::create(const char* fntFile)
{
    auto* c = new CCBMFontConfiguration();
    if (!c->initWithFNTfile(fntFile)) {
        delete c;
        return nullptr;
    }
    c->autorelease();
    return c;
}

bool CCBMFontConfiguration::initWithFNTfile(const char* fntFile)
{
    if (!fntFile || !*fntFile) {
        CCLog("BMFont: empty file name");
        return false;
    }
    m_fntPath = fullPath(fntFile);
    std::string text;
    if (!CCFileUtils::sharedFileUtils()->readFile(m_fntPath, text))
        return false;
    std::string error;
    if (!parseFnt(text, m_data, error)) {
        CCLog("BMFont %s: %s", m_fntPath.c_str(), error.c_str());
        return false;
    }
    m_atlasName = CCFileUtils::sharedFileUtils()->fullPathFromRelativeFile(m_data.pageFile.c_str(), m_fntPath.c_str());
    return true;
}

CCBMFontConfiguration* FNTConfigLoadFile(const char* fntFile)
{
    if (!fntFile)
        return nullptr;
    const std::string key = fullPath(fntFile);
    auto it = configCache().find(key);
    if (it != configCache().end())
        return it->second;
    CCBMFontConfiguration* c = CCBMFontConfiguration::create(key.c_str());
    if (!c)
        return nullptr;
    c->retain();
    configCache()[key] = c;
    return c;
}

void FNTConfigRemoveCache()
{
    for (auto& [key, c] : configCache())
        c->release();
    configCache().clear();
}

} // namespace cocos2d

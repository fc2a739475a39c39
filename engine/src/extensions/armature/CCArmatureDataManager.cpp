#include "extensions/armature/CCArmatureDataManager.h"

#include "base/CCConsole.h"
#include "extensions/armature/ArmatureDataReader.h"
#include "sprites/CCSpriteFrameCache.h"
#include "support/CCFileUtils.h"

namespace cocos2d::extension {

namespace {
CCArmatureDataManager* s_manager = nullptr;

std::string folderOf(const std::string& path)
{
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string withExtension(const std::string& path, const char* extension)
{
    std::size_t dot = path.find_last_of('.');
    std::size_t slash = path.find_last_of('/');
    std::string stem = (dot != std::string::npos && (slash == std::string::npos || dot > slash)) ? path.substr(0, dot) : path;
    return stem + extension;
}
} // namespace

CCArmatureDataManager* CCArmatureDataManager::sharedArmatureDataManager()
{
    if (!s_manager)
        s_manager = new CCArmatureDataManager();
    return s_manager;
}

void CCArmatureDataManager::purge()
{
    CC_SAFE_RELEASE_NULL(s_manager);
}

bool CCArmatureDataManager::isFileLoaded(const std::string& configFilePath) const
{
    std::string full = CCFileUtils::sharedFileUtils()->fullPathForFilename(configFilePath.c_str());
    return m_loadedFiles.count(full) > 0;
}

bool CCArmatureDataManager::readConfig(const std::string& configFilePath, std::string& fullPath,
                                       ArmatureFileData& data)
{
    fullPath = CCFileUtils::sharedFileUtils()->fullPathForFilename(configFilePath.c_str());
    if (m_loadedFiles.count(fullPath))
        return false;
    std::string text;
    if (!CCFileUtils::sharedFileUtils()->readFile(fullPath, text)) {
        CCLog("%s: cannot read the armature file", configFilePath.c_str());
        return false;
    }
    if (!ArmatureDataReader::readText(text, fullPath, data))
        return false;
    m_loadedFiles.insert(fullPath);
    return true;
}

void CCArmatureDataManager::store(const std::string& fullPath, ArmatureFileData& data)
{
    std::string folder = folderOf(fullPath);
    auto& names = m_namesByFile[fullPath];
    for (auto& armature : data.armatures) {
        // Particle displays name their plist relative to the armature file.
        for (auto& bone : armature.bones)
            for (auto& display : bone.displays)
                if (display.type == DisplayType::Particle && !display.plist.empty() && display.plist[0] != '/')
                    display.plist = folder + display.plist;
        names.insert(armature.name);
        // Live armatures point into the stored data: a second file with the same name does not replace it.
        std::string name = armature.name;
        m_armatures.try_emplace(name, std::move(armature));
    }
    for (auto& animation : data.animations) {
        std::string name = animation.name;
        m_animations.try_emplace(name, std::move(animation));
    }
    for (auto& texture : data.textures) {
        std::string name = texture.name;
        m_textures.try_emplace(name, std::move(texture));
    }
}

void CCArmatureDataManager::addArmatureFileInfo(const char* configFilePath)
{
    if (!configFilePath)
        return;
    std::string fullPath;
    ArmatureFileData data;
    if (!readConfig(configFilePath, fullPath, data))
        return;
    std::string folder = folderOf(fullPath);
    for (const auto& sheet : data.configFilePaths) {
        std::string plist = folder + withExtension(sheet, ".plist");
        std::string image = folder + withExtension(sheet, ".png");
        CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile(plist.c_str(), image.c_str());
    }
    store(fullPath, data);
}

void CCArmatureDataManager::addArmatureFileInfo(const char* imagePath, const char* plistPath,
                                                const char* configFilePath)
{
    if (!configFilePath)
        return;
    // The sheet goes in even when the armature file was read before: one armature may be drawn
    // from several sheets of the same picture names (another colouring), the caller's choice.
    if (plistPath && imagePath)
        CCSpriteFrameCache::sharedSpriteFrameCache()->addSpriteFramesWithFile(plistPath, imagePath);
    std::string fullPath;
    ArmatureFileData data;
    if (!readConfig(configFilePath, fullPath, data))
        return;
    store(fullPath, data);
}

void CCArmatureDataManager::removeArmatureFileInfo(const char* configFilePath)
{
    if (!configFilePath)
        return;
    std::string fullPath = CCFileUtils::sharedFileUtils()->fullPathForFilename(configFilePath);
    auto it = m_namesByFile.find(fullPath);
    if (it != m_namesByFile.end()) {
        for (const auto& name : it->second) {
            m_armatures.erase(name);
            m_animations.erase(name);
        }
        m_namesByFile.erase(it);
    }
    m_loadedFiles.erase(fullPath);
}

const ArmatureData* CCArmatureDataManager::getArmatureData(const std::string& name) const
{
    auto it = m_armatures.find(name);
    return it == m_armatures.end() ? nullptr : &it->second;
}

const AnimationData* CCArmatureDataManager::getAnimationData(const std::string& name) const
{
    auto it = m_animations.find(name);
    return it == m_animations.end() ? nullptr : &it->second;
}

const TextureData* CCArmatureDataManager::getTextureData(const std::string& name) const
{
    auto it = m_textures.find(name);
    return it == m_textures.end() ? nullptr : &it->second;
}

} // namespace cocos2d::extension

// Registry of armature files: reads each config once, loads its sprite sheets into the frame cache and
// keeps the skeletons and movements by armature name for CCArmature::create.
#pragma once

#include <map>
#include <set>
#include <string>

#include "base/CCObject.h"
#include "extensions/armature/ArmatureData.h"

namespace cocos2d::extension {

class CCArmatureDataManager : public CCObject {
public:
    static CCArmatureDataManager* sharedArmatureDataManager();
    static void purge();

    // Reads the config and the sheets it names (config_file_path with .plist/.png, relative to it).
    void addArmatureFileInfo(const char* configFilePath);
    // Reads the config and loads the given sheet instead.
    void addArmatureFileInfo(const char* imagePath, const char* plistPath, const char* configFilePath);
    void removeArmatureFileInfo(const char* configFilePath);

    // Null when no file registered that name.
    const ArmatureData* getArmatureData(const std::string& name) const;
    const AnimationData* getAnimationData(const std::string& name) const;
    const TextureData* getTextureData(const std::string& name) const;
    bool isFileLoaded(const std::string& configFilePath) const;

private:
    CCArmatureDataManager() = default;
    // Returns false (logged) when the file cannot be read; sheets are then not loaded either.
    bool readConfig(const std::string& configFilePath, std::string& fullPath, ArmatureFileData& data);
    void store(const std::string& fullPath, ArmatureFileData& data);

    std::set<std::string> m_loadedFiles;
    std::map<std::string, std::set<std::string>> m_namesByFile;
    std::map<std::string, ArmatureData> m_armatures;
    std::map<std::string, AnimationData> m_animations;
    std::map<std::string, TextureData> m_textures;
};

} // namespace cocos2d::extension

// Reads the JSON armature format of CocoStudio 1.x (every version we have met: the oldest without a
// version, 1.0 and 1.1). Malformed members are logged with the file and member and read as defaults;
// a file that is not JSON at all, or has no armature, gives false.
#pragma once

#include <string>

#include "extensions/armature/ArmatureData.h"

namespace cocos2d::extension {

class ArmatureDataReader {
public:
    static bool readText(const std::string& text, const std::string& fileName, ArmatureFileData& out);
    static bool readFile(const std::string& path, ArmatureFileData& out);
};

} // namespace cocos2d::extension

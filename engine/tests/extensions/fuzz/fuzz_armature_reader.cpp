// Armature reader on arbitrary bytes: a refusal or a data set, never a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/CCConsole.h"
#include "extensions/armature/ArmatureDataReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool quiet = [] {
        cocos2d::CCLogSetSink([](const std::string&) {});
        return true;
    }();
    (void)quiet;
    cocos2d::extension::ArmatureFileData out;
    cocos2d::extension::ArmatureDataReader::readText(std::string(reinterpret_cast<const char*>(data), size),
                                                     "fuzz.ExportJson", out);
    return 0;
}

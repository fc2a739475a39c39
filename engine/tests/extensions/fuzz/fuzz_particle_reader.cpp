// Particle plists on arbitrary bytes: parse, configure a system, run it a few frames.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/CCConsole.h"
#include "extensions/CCParticleSystemQuad.h"
#include "support/PlistValue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool quiet = [] {
        cocos2d::CCLogSetSink([](const std::string&) {});
        return true;
    }();
    (void)quiet;
    cocos2d::PlistValue root;
    std::string error;
    if (!cocos2d::parsePlist(reinterpret_cast<const char*>(data), size, root, error) || !root.isDict())
        return 0;
    auto* system = new cocos2d::CCParticleSystemQuad();
    if (system->initWithDictionary(root, "/nonexistent/", "fuzz.plist"))
        for (int i = 0; i < 10; ++i)
            system->update(1.0f / 60.0f);
    system->release();
    return 0;
}

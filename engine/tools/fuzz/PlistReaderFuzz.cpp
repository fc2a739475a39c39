// Any bytes into the plist reader: it must answer true or false, never crash or hang.
#include <cstddef>
#include <cstdint>
#include <string>

#include "support/PlistValue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    cocos2d::PlistValue value;
    std::string error;
    if (cocos2d::parsePlist(reinterpret_cast<const char*>(data), size, value, error)) {
        // Walk what was read, as the loaders would.
        if (const cocos2d::PlistValue* frames = value.find("frames"))
            for (const auto& entry : frames->entries)
                (void)entry.second.find("frame");
    }
    return 0;
}

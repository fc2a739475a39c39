// Any bytes into the .fnt reader.
#include <cstddef>
#include <cstdint>
#include <string>

#include "labels/BMFontParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    cocos2d::BMFontData font;
    std::string error;
    if (cocos2d::parseFnt(std::string(reinterpret_cast<const char*>(data), size), font, error))
        for (const auto& [id, def] : font.chars)
            (void)font.kerningAmount(id, id);
    return 0;
}

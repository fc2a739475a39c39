#pragma once
// Composes packed frames into a sheet texture and its cocos2d plist (format 2).

#include "core/Plist.h"
#include "sheets/SheetPacker.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace brindle::assets {

struct FramePixels {
    int width = 0;
    int height = 0;
    const std::vector<uint8_t>* rgba = nullptr; // straight alpha, top row first
};

class SheetWriter {
public:
    // items already packed; pixels by item name. Writes the texture into `rgba`.
    static std::vector<uint8_t> compose(const std::vector<PackItem>& items,
        const std::map<std::string, FramePixels>& pixels, int width, int height);
    static Plist plist(const std::vector<PackItem>& items, const std::string& textureName, int width, int height);
};

} // namespace brindle::assets

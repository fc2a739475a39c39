#include "sheets/SheetWriter.h"

#include <cstring>
#include <stdexcept>

namespace brindle::assets {

namespace {

std::string size(int w, int h) { return "{" + std::to_string(w) + "," + std::to_string(h) + "}"; }
std::string rect(int x, int y, int w, int h) { return "{{" + std::to_string(x) + "," + std::to_string(y) + "}," + size(w, h) + "}"; }

} // namespace

std::vector<uint8_t> SheetWriter::compose(const std::vector<PackItem>& items,
    const std::map<std::string, FramePixels>& pixels, int width, int height)
{
    std::vector<uint8_t> sheet(size_t(width) * size_t(height) * 4, 0);
    for (const auto& item : items) {
        auto it = pixels.find(item.name);
        if (it == pixels.end())
            throw std::logic_error("no pixels for " + item.name);
        const FramePixels& src = it->second;
        const auto& in = *src.rgba;
        for (int y = 0; y < src.height; ++y) {
            for (int x = 0; x < src.width; ++x) {
                // Turned frames go in 90 degrees clockwise: the top row becomes the right column.
                const int dx = item.rotated ? item.x + (src.height - 1 - y) : item.x + x;
                const int dy = item.rotated ? item.y + x : item.y + y;
                std::memcpy(&sheet[(size_t(dy) * size_t(width) + size_t(dx)) * 4],
                    &in[(size_t(y) * size_t(src.width) + size_t(x)) * 4], 4);
            }
        }
    }
    return sheet;
}

Plist SheetWriter::plist(const std::vector<PackItem>& items, const std::string& textureName, int width, int height)
{
    Plist::Dict frames;
    for (const auto& item : items) {
        Plist::Dict frame;
        frame["frame"] = rect(item.x, item.y, item.width, item.height);
        frame["offset"] = std::string("{0,0}");
        frame["rotated"] = item.rotated;
        frame["sourceColorRect"] = rect(0, 0, item.width, item.height);
        frame["sourceSize"] = size(item.width, item.height);
        frames[item.name] = Plist(std::move(frame));
    }
    Plist::Dict metadata;
    metadata["format"] = 2;
    metadata["realTextureFileName"] = textureName;
    metadata["size"] = size(width, height);
    metadata["textureFileName"] = textureName;
    Plist::Dict root;
    root["frames"] = Plist(std::move(frames));
    root["metadata"] = Plist(std::move(metadata));
    return Plist(std::move(root));
}

} // namespace brindle::assets

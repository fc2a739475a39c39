#pragma once
// Turns one face of a TrueType/OpenType collection (.ttc) into a plain font file, so the
// game can be given the single-file name it asks for. Plain .ttf/.otf input is returned
// as is. Throws std::runtime_error on malformed input.

#include <string>

namespace brindle::assets {

class FontCollection {
public:
    static std::string extractFace(const std::string& fileBytes, unsigned faceIndex);
    static unsigned faceCount(const std::string& fileBytes);
};

} // namespace brindle::assets

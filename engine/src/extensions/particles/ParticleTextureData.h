// Decoding of the picture a particle plist may carry inline: base64 text of a gzip (or zlib) stream.
#pragma once

#include <string>
#include <vector>

namespace cocos2d::particles {

// Whitespace is skipped; any other character outside the alphabet makes it fail.
bool decodeBase64(const std::string& text, std::vector<unsigned char>& out);
// gzip or zlib stream; fails on corrupt data or when the result would pass maxSize bytes.
bool inflateData(const std::vector<unsigned char>& in, std::vector<unsigned char>& out,
                 std::size_t maxSize = 16u << 20);

} // namespace cocos2d::particles

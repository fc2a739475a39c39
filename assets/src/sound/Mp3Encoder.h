#pragma once
// MP3 through the lame command line: constant bit rate, no tags, so the bytes depend only
// on the samples.

#include <string>

namespace brindle::assets {

class Mp3Encoder {
public:
    // pcm: 44.1 kHz stereo 16-bit little-endian. Throws std::runtime_error when lame fails.
    static std::string encode(const std::string& pcm, int kbps);
};

} // namespace brindle::assets

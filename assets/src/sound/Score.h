#pragma once
// Reads sound/music.txt and sound/effects.txt into synthesiser calls.

#include "core/Description.h"
#include "sound/Synth.h"

#include <string>
#include <vector>

namespace brindle::assets {

struct SoundPiece {
    std::string fileName;  // "bgMusic_main.mp3"
    std::string folder;    // "sound/effect"
    std::string pcm;       // 44.1 kHz stereo 16-bit little-endian
};

class Score {
public:
    static std::vector<SoundPiece> music(const std::vector<DescriptionLine>& lines);
    static std::vector<SoundPiece> effects(const std::vector<DescriptionLine>& lines);
};

} // namespace brindle::assets

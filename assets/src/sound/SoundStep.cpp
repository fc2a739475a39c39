// Music loops and effects: synthesised from sound/*.txt and encoded to MP3.

#include "core/Description.h"
#include "core/GenContext.h"
#include "core/StepRegistry.h"
#include "sound/Mp3Encoder.h"
#include "sound/Score.h"

#include <future>

namespace brindle::assets {

namespace {

void generateSounds(GenContext& ctx)
{
    const auto musicPath = ctx.source("sound/music.txt");
    const auto effectPath = ctx.source("sound/effects.txt");
    auto pieces = Score::music(Description::read(musicPath, ctx.shown(musicPath)));
    const size_t musicCount = pieces.size();
    for (auto& e : Score::effects(Description::read(effectPath, ctx.shown(effectPath))))
        pieces.push_back(std::move(e));
    // Encode the long loops in parallel with everything else.
    std::vector<std::future<std::string>> encoded;
    for (size_t i = 0; i < pieces.size(); ++i)
        encoded.push_back(std::async(std::launch::async, Mp3Encoder::encode, std::cref(pieces[i].pcm), i < musicCount ? 128 : 96));
    for (size_t i = 0; i < pieces.size(); ++i) {
        const std::string path = pieces[i].folder + "/" + pieces[i].fileName;
        ctx.write(path, encoded[i].get());
        ctx.index("sounds", pieces[i].fileName, Json::Value(path));
    }
}

} // namespace

BRINDLE_ASSET_STEP(generateSounds, "sounds", kOrderPictures)

} // namespace brindle::assets

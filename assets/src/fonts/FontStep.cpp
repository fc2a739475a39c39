// Fonts: the two TrueType names the game asks for, copied from free CJK faces installed
// from Debian, and the two bitmap fonts rendered from them.

#include "core/FileUtil.h"
#include "core/GenContext.h"
#include "core/JsonOut.h"
#include "core/StepRegistry.h"
#include "fonts/BitmapFont.h"
#include "fonts/FontCollection.h"

#include <filesystem>
#include <stdexcept>

namespace brindle::assets {

namespace {

struct FontSource {
    const char* path;
    unsigned face;
};

// First source that exists wins; the choice is explained in assets/README.md.
const FontSource kSans[] = {
    { "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc", 0 },
    { "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc", 0 },
};
const FontSource kDisplay[] = {
    { "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc", 2 }, // face 2: Simplified Chinese
    { "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc", 0 },
};

template <size_t N>
std::string loadFace(const FontSource (&sources)[N], const char* what)
{
    for (const auto& s : sources)
        if (std::filesystem::exists(s.path))
            return FontCollection::extractFace(readFile(s.path), s.face);
    throw std::runtime_error(std::string("no font installed for ") + what
        + " (install the packages in tools/deps/assets.txt)");
}

// Every character of every text the bitmap font may show.
std::set<char32_t> textCharacters(GenContext& ctx)
{
    const auto path = ctx.source("text/config.conf");
    const Json::Value texts = parseJson(readFile(path), ctx.shown(path));
    std::string all;
    for (const auto& key : texts.getMemberNames()) {
        const Json::Value& entry = texts[key];
        if (entry.isObject() && entry["chinese"].isString())
            all += entry["chinese"].asString();
    }
    for (char c = 0x20; c < 0x7f; ++c)
        all += c;
    all += "０１２３４５６７８９：／＋－…，。！？、（）“”";
    return BitmapFont::decodeUtf8(all);
}

void generateFonts(GenContext& ctx)
{
    const std::string sans = loadFace(kSans, "simhei.ttf");
    const std::string display = loadFace(kDisplay, "STHUPO.TTF");
    const std::string dir = std::string(kFontsDir) + "/";
    ctx.write(dir + "simhei.ttf", sans);
    ctx.write(dir + "STHUPO.TTF", display);
    // Label code that asks for "Arial" gets a CJK-capable face under that name too.
    ctx.write(dir + "Arial.ttf", sans);

    BitmapFontStyle chinese;
    chinese.pixelSize = 34;
    chinese.outline = 2;
    const auto cn = BitmapFont::render(sans, textCharacters(ctx), chinese, "Chinese", "Chinese.png");
    ctx.write(dir + "Chinese.fnt", cn.fnt);
    ctx.write(dir + "Chinese.png", cn.png);

    BitmapFontStyle numbers;
    numbers.pixelSize = 40;
    numbers.outline = 3;
    numbers.fillTop = 0xfff3a0;
    numbers.fillBottom = 0xffa51f;
    numbers.outlineColour = 0x6a2a08;
    const auto num = BitmapFont::render(display, BitmapFont::decodeUtf8("0123456789-+:/.%dXx ,"), numbers, "NumFont",
        "NumFont.png");
    ctx.write(dir + "NumFont.fnt", num.fnt);
    ctx.write(dir + "NumFont.png", num.png);

    for (const char* name : { "simhei.ttf", "STHUPO.TTF", "Arial.ttf", "Chinese.fnt", "NumFont.fnt" })
        ctx.index("fonts", name, Json::Value(dir + name));
}

} // namespace

BRINDLE_ASSET_STEP(generateFonts, "fonts", kOrderPictures)

} // namespace brindle::assets

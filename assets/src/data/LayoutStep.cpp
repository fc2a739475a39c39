// Step "layouts": every assets/layouts/NAME.layout becomes images_1440X960/NAME.ExportJson,
// beside the pictures its file references point at (the reader resolves them relative to
// the layout's folder).
#include "core/Description.h"
#include "core/FileUtil.h"
#include "core/GenContext.h"
#include "core/StepRegistry.h"
#include "data/LayoutDescription.h"
#include "data/LayoutWriter.h"
#include "data/PictureSizes.h"
#include "data/TextTable.h"

#include <algorithm>

namespace brindle::assets {
namespace {

void writeLayouts(GenContext& ctx)
{
    const auto textPath = ctx.source("text/config.conf");
    const TextTable texts = TextTable::parse(readFile(textPath), ctx.shown(textPath));
    const PictureSizes sizes(ctx.out(kImagesDir));
    const LayoutWriter writer(texts, &sizes);

    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(ctx.source("layouts"))) {
        if (entry.path().extension() == ".layout")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& path : files) {
        const std::string name = path.stem().string();
        const LayoutDocument doc = LayoutDescription::parse(Description::read(path, ctx.shown(path)), name);
        const std::string out = std::string(kImagesDir) + "/" + name + ".ExportJson";
        ctx.writeJson(out, writer.write(doc));
        ctx.index("layouts", name + ".ExportJson", Json::Value(out));
    }
}

} // namespace
BRINDLE_ASSET_STEP(writeLayouts, "layouts", kOrderData)
} // namespace brindle::assets

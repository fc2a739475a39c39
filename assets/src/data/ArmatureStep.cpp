// Step "armatures": every assets/armatures/NAME.armature becomes images_1440X960/NAME.ExportJson,
// beside the image pairs the art side packs from assets/armature-parts.txt.
#include "core/Description.h"
#include "core/GenContext.h"
#include "core/StepRegistry.h"
#include "data/ArmatureDescription.h"
#include "data/ArmatureWriter.h"

#include <algorithm>

namespace brindle::assets {
namespace {

void writeArmatures(GenContext& ctx)
{
    const auto partsPath = ctx.source("armature-parts.txt");
    const PartSizes parts = ArmatureDescription::parseParts(Description::read(partsPath, ctx.shown(partsPath)));
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(ctx.source("armatures"))) {
        if (entry.path().extension() == ".armature")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& path : files) {
        const ArmatureDocument doc = ArmatureDescription::parse(Description::read(path, ctx.shown(path)), parts);
        const std::string out = std::string(kImagesDir) + "/" + path.stem().string() + ".ExportJson";
        ctx.writeJson(out, ArmatureWriter::write(doc));
        Json::Value facts(Json::objectValue);
        facts["file"] = out;
        facts["movements"] = Json::Value(Json::arrayValue);
        for (const ArmatureMovement& movement : doc.movements)
            facts["movements"].append(movement.name);
        ctx.index("armatures", doc.name, facts);
    }
}

} // namespace
BRINDLE_ASSET_STEP(writeArmatures, "armatures", kOrderData)
} // namespace brindle::assets

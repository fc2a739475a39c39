// Step "data-check": the last step of a run; refuses a tree whose layouts or armatures point
// at pictures that were not generated.
#include "core/Description.h"
#include "core/FileUtil.h"
#include "core/GenContext.h"
#include "core/JsonOut.h"
#include "core/StepRegistry.h"
#include "data/ReferenceCheck.h"

#include <stdexcept>

namespace brindle::assets {
namespace {

std::vector<std::string> armatureSheets(const std::filesystem::path& description)
{
    // "sheet" is written into the armature; "pair" names another image pair a screen
    // loads it with.
    std::vector<std::string> sheets;
    for (const DescriptionLine& line : Description::read(description, description.filename().string())) {
        if (line.words[0] == "sheet" || line.words[0] == "pair")
            sheets.push_back(line.word(1, "sheet"));
    }
    return sheets;
}

void checkReferences(GenContext& ctx)
{
    const ReferenceCheck check(ctx.out(kImagesDir));
    std::vector<std::string> faults;
    auto add = [&](std::vector<std::string> more) { faults.insert(faults.end(), more.begin(), more.end()); };
    for (const auto& entry : std::filesystem::directory_iterator(ctx.source("layouts"))) {
        if (entry.path().extension() != ".layout")
            continue;
        const std::string file = entry.path().stem().string() + ".ExportJson";
        const auto out = ctx.out(std::string(kImagesDir) + "/" + file);
        add(check.layout(file, parseJson(readFile(out), file)));
    }
    for (const auto& entry : std::filesystem::directory_iterator(ctx.source("armatures"))) {
        if (entry.path().extension() != ".armature")
            continue;
        const std::string file = entry.path().stem().string() + ".ExportJson";
        const auto out = ctx.out(std::string(kImagesDir) + "/" + file);
        add(check.armature(file, parseJson(readFile(out), file), armatureSheets(entry.path())));
    }
    if (!faults.empty()) {
        std::string message = std::to_string(faults.size()) + " missing picture(s):";
        for (const std::string& fault : faults)
            message += "\n  " + fault;
        throw std::runtime_error(message);
    }
}

} // namespace
BRINDLE_ASSET_STEP(checkReferences, "data-check", kOrderChecks)
} // namespace brindle::assets

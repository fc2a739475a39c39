// Steps "tables" (date.xml, Province.xml) and "guides" (guide%d.xml), written to config/.
#include "core/Description.h"
#include "core/FileUtil.h"
#include "core/GenContext.h"
#include "core/StepRegistry.h"
#include "data/CalendarTables.h"
#include "data/GuideScript.h"
#include "data/TextTable.h"

#include <map>

namespace brindle::assets {
namespace {

void writeTables(GenContext& ctx)
{
    const std::string config(kConfigDir);
    ctx.write(config + "/date.xml", CalendarTables::dateXml());
    const auto path = ctx.source("tables/provinces.txt");
    const auto provinces = CalendarTables::parseProvinces(Description::read(path, ctx.shown(path)));
    ctx.write(config + "/Province.xml", CalendarTables::provinceXml(provinces));
    ctx.index("tables", "date.xml", Json::Value(config + "/date.xml"));
    ctx.index("tables", "Province.xml", Json::Value(config + "/Province.xml"));
}

void writeGuides(GenContext& ctx)
{
    const auto textPath = ctx.source("text/config.conf");
    const TextTable texts = TextTable::parse(readFile(textPath), ctx.shown(textPath));
    std::map<std::string, LayoutDocument> layouts;
    auto lookup = [&](const std::string& name) -> const LayoutDocument* {
        auto it = layouts.find(name);
        if (it == layouts.end()) {
            const auto path = ctx.source("layouts/" + name + ".layout");
            if (!std::filesystem::exists(path))
                return nullptr;
            it = layouts.emplace(name, LayoutDescription::parse(Description::read(path, ctx.shown(path)), name))
                     .first;
        }
        return &it->second;
    };
    const auto path = ctx.source("tables/guides.txt");
    for (const Guide& guide : GuideScript::parse(Description::read(path, ctx.shown(path)), lookup, texts)) {
        const std::string file = "guide" + std::to_string(guide.index) + ".xml";
        ctx.write(std::string(kConfigDir) + "/" + file, GuideScript::xml(guide));
        ctx.index("tables", file, Json::Value(std::string(kConfigDir) + "/" + file));
    }
}

} // namespace
BRINDLE_ASSET_STEP(writeTables, "tables", kOrderData)
BRINDLE_ASSET_STEP(writeGuides, "guides", kOrderData)
} // namespace brindle::assets

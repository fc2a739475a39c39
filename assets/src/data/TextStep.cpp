// Step "text": checks the text table and writes it where the client's search path finds it.
#include "core/FileUtil.h"
#include "core/GenContext.h"
#include "core/StepRegistry.h"
#include "data/TextTable.h"

namespace brindle::assets {
namespace {

void writeTextTable(GenContext& ctx)
{
    const auto source = ctx.source("text/config.conf");
    const TextTable table = TextTable::parse(readFile(source), ctx.shown(source));
    // Written without the source's comments so any JSON reader takes it.
    ctx.writeJson(std::string(kConfigDir) + "/config.conf", table.toJson());
    for (const TextEntry& entry : table.entries())
        ctx.index("texts", entry.key, Json::Value(entry.chinese));
}

} // namespace
BRINDLE_ASSET_STEP(writeTextTable, "text", kOrderData)
} // namespace brindle::assets

// Draws every picture of the catalogue, writes the single files and packs the sheets.

#include "art/Painters.h"
#include "art/PictureCatalogue.h"
#include "core/GenContext.h"
#include "core/PngWriter.h"
#include "core/SourceError.h"
#include "core/StepRegistry.h"
#include "sheets/SheetPacker.h"
#include "sheets/SheetWriter.h"

#include <atomic>
#include <cstring>
#include <exception>
#include <future>
#include <set>
#include <map>
#include <mutex>
#include <thread>

namespace brindle::assets {

namespace {

struct Drawn {
    std::vector<uint8_t> rgba;
    std::string png;
};

Drawn drawPicture(const PictureEntry& entry)
{
    Canvas canvas(entry.width, entry.height);
    (*Painters::find(entry.painter))(canvas, entry.line);
    if (cairo_status(canvas.cr()) != CAIRO_STATUS_SUCCESS)
        entry.line.fail(std::string("drawing failed: ") + cairo_status_to_string(cairo_status(canvas.cr())));
    Drawn out;
    out.png = PngWriter::encode(canvas.surface());
    int w = 0, h = 0;
    PngWriter::decode(out.png, out.rgba, w, h);
    return out;
}

std::vector<Drawn> drawAll(const std::vector<PictureEntry>& entries)
{
    std::vector<Drawn> drawn(entries.size());
    std::atomic<size_t> next { 0 };
    std::exception_ptr failure;
    std::mutex failMutex;
    auto worker = [&] {
        for (size_t i; (i = next++) < entries.size();) {
            try {
                drawn[i] = drawPicture(entries[i]);
            } catch (...) {
                std::lock_guard lock(failMutex);
                if (!failure)
                    failure = std::current_exception();
                next = entries.size();
            }
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < std::max(1u, std::thread::hardware_concurrency()); ++t)
        pool.emplace_back(worker);
    worker();
    for (auto& t : pool)
        t.join();
    if (failure)
        std::rethrow_exception(failure);
    return drawn;
}

void packSheet(GenContext& ctx, const std::string& sheet, const std::vector<PictureEntry>& entries,
    const std::vector<Drawn>& drawn)
{
    std::vector<PackItem> items;
    std::map<std::string, FramePixels> pixels;
    const bool armature = PictureCatalogue::isArmatureSheet(sheet);
    for (size_t i = 0; i < entries.size(); ++i) {
        const auto& e = entries[i];
        if (std::find(e.sheets.begin(), e.sheets.end(), sheet) == e.sheets.end())
            continue;
        PackItem item;
        item.name = e.name;
        item.width = e.width;
        item.height = e.height;
        item.turn = e.turn == 1 ? Turn::Always : e.turn == 0 || armature ? Turn::Never : Turn::Allowed;
        items.push_back(item);
        pixels[e.name] = { e.width, e.height, &drawn[i].rgba };
    }
    int width = 0, height = 0;
    if (!SheetPacker::pack(items, 2, 2048, width, height))
        throw std::runtime_error("sheet " + sheet + ": frames do not fit in 2048 x 2048");
    const auto rgba = SheetWriter::compose(items, pixels, width, height);
    const std::string dir = std::string(kImagesDir) + "/";
    ctx.write(dir + sheet + ".png", PngWriter::encodeRgba(rgba, width, height));
    ctx.write(dir + sheet + ".plist", SheetWriter::plist(items, sheet + ".png", width, height).toXml());
    Json::Value facts;
    facts["size"] = std::to_string(width) + "x" + std::to_string(height);
    facts["frames"] = Json::Value(Json::arrayValue);
    for (const auto& item : items)
        facts["frames"].append(item.name);
    ctx.index("sheets", sheet + ".plist", facts);
}

void generatePictures(GenContext& ctx)
{
    const auto entries = PictureCatalogue::load(ctx.source("art"), ctx.sourceDir());
    const auto drawn = drawAll(entries);
    std::set<std::string> sheets;
    for (size_t i = 0; i < entries.size(); ++i) {
        const auto& e = entries[i];
        for (const auto& s : e.sheets) {
            sheets.insert(s);
            Json::Value facts;
            facts["size"] = std::to_string(e.width) + "x" + std::to_string(e.height);
            facts["source"] = e.line.file + ":" + std::to_string(e.line.line);
            ctx.index("frames", s + "/" + e.name, facts);
        }
        if (PictureCatalogue::writesOwnFile(e)) {
            ctx.write(std::string(kImagesDir) + "/" + e.name, drawn[i].png);
            Json::Value facts;
            facts["size"] = std::to_string(e.width) + "x" + std::to_string(e.height);
            ctx.index("pictures", e.name, facts);
        }
    }
    // Sheets are independent: pack and encode them side by side.
    std::vector<std::future<void>> packing;
    for (const auto& sheet : sheets)
        packing.push_back(std::async(std::launch::async, [&, sheet] { packSheet(ctx, sheet, entries, drawn); }));
    for (auto& job : packing)
        job.get();
}

} // namespace

BRINDLE_ASSET_STEP(generatePictures, "pictures", kOrderPictures)

} // namespace brindle::assets

#include "gallery/GalleryPages.h"

#include "core/FileUtil.h"
#include "core/JsonOut.h"
#include "core/Plist.h"
#include "gallery/ContactPage.h"
#include "gallery/ArmaturePreview.h"
#include "gallery/LayoutPreview.h"

#include <cstdio>
#include <regex>
#include <vector>

namespace brindle::assets {

namespace fs = std::filesystem;

namespace {

EngineRenders g_engine;

cairo_surface_t* load(const fs::path& path)
{
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    return s;
}

} // namespace

void GalleryPages::pictures(const fs::path& resources, const fs::path& out)
{
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(resources / "images_1440X960"))
        if (e.path().extension() == ".png")
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    int pageNo = 1;
    auto page = std::make_unique<ContactPage>(1600, 1200, "pictures 1");
    for (const auto& file : files) {
        cairo_surface_t* s = load(file);
        if (!s)
            continue;
        const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
        if (w * h > 900 * 900 || fs::exists(fs::path(file).replace_extension(".plist"))) { // own pages
            cairo_surface_destroy(s);
            continue;
        }
        const std::string label = file.filename().string() + " " + std::to_string(w) + "x" + std::to_string(h);
        if (!page->add(s, label, 180, 150)) {
            page->save(out / ("pictures_" + std::to_string(pageNo++) + ".png"));
            page = std::make_unique<ContactPage>(1600, 1200, "pictures " + std::to_string(pageNo));
            page->add(s, label, 180, 150);
        }
        cairo_surface_destroy(s);
    }
    page->save(out / ("pictures_" + std::to_string(pageNo) + ".png"));

    // Large single pictures (backgrounds and panels), four to a page.
    int bigNo = 1;
    page = std::make_unique<ContactPage>(1600, 1200, "large pictures 1");
    for (const auto& file : files) {
        cairo_surface_t* s = load(file);
        if (!s)
            continue;
        const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
        const bool sheet = fs::exists(fs::path(file).replace_extension(".plist"));
        if (w * h > 900 * 900 && !sheet) {
            const std::string label = file.filename().string() + " " + std::to_string(w) + "x" + std::to_string(h);
            if (!page->add(s, label, 770, 540)) {
                page->save(out / ("large_" + std::to_string(bigNo++) + ".png"));
                page = std::make_unique<ContactPage>(1600, 1200, "large pictures " + std::to_string(bigNo));
                page->add(s, label, 770, 540);
            }
        }
        cairo_surface_destroy(s);
    }
    page->save(out / ("large_" + std::to_string(bigNo) + ".png"));
}

void GalleryPages::sheets(const fs::path& resources, const fs::path& out)
{
    for (const auto& e : fs::directory_iterator(resources / "images_1440X960")) {
        if (e.path().extension() != ".plist" || e.path().filename() == "dabaozha.plist")
            continue;
        Plist plist;
        try {
            plist = Plist::parse(readFile(e.path()));
        } catch (const std::exception& ex) {
            std::fprintf(stderr, "asset-gallery: %s: %s\n", e.path().c_str(), ex.what());
            continue;
        }
        const Plist* frames = plist.find("frames");
        cairo_surface_t* s = load(fs::path(e.path()).replace_extension(".png"));
        if (!frames || !s)
            continue;
        const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
        const double scale = std::min(1.0, std::min(1580.0 / w, 1130.0 / h));
        ContactPage page(1600, 1200, e.path().filename().string() + " " + std::to_string(w) + "x" + std::to_string(h));
        cairo_t* cr = page.canvas().cr();
        cairo_save(cr);
        cairo_translate(cr, 10, 60);
        cairo_scale(cr, scale, scale);
        cairo_set_source_rgb(cr, 0.45, 0.45, 0.5);
        cairo_rectangle(cr, 0, 0, w, h);
        cairo_fill(cr);
        cairo_set_source_surface(cr, s, 0, 0);
        cairo_paint(cr);
        const std::regex numbers(R"(\{\{(-?\d+),(-?\d+)\},\{(\d+),(\d+)\}\})");
        for (const auto& [name, frame] : frames->dict()) {
            const Plist* rect = frame.find("frame");
            const Plist* rotated = frame.find("rotated");
            std::smatch m;
            if (!rect || !rect->isString() || !std::regex_match(rect->string(), m, numbers))
                continue;
            double fx = std::stod(m[1]), fy = std::stod(m[2]), fw = std::stod(m[3]), fh = std::stod(m[4]);
            if (rotated && rotated->flag())
                std::swap(fw, fh);
            cairo_set_source_rgba(cr, rotated && rotated->flag() ? 0.2 : 1, 1, 0.2, 0.8);
            cairo_set_line_width(cr, 1.5 / scale);
            cairo_rectangle(cr, fx + 0.5, fy + 0.5, fw - 1, fh - 1);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
        cairo_surface_destroy(s);
        page.save(out / ("sheet_" + e.path().stem().string() + ".png"));
    }
}

void GalleryPages::useEngine(EngineRenders renders)
{
    g_engine = std::move(renders);
}

void GalleryPages::layouts(const fs::path& resources, const fs::path& out)
{
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(resources / "images_1440X960"))
        if (e.path().extension() == ".ExportJson")
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    LayoutPreview preview(resources / "images_1440X960");
    const std::string how = g_engine.layout ? " (engine)" : " (cairo stand-in)";
    int pageNo = 1;
    auto page = std::make_unique<ContactPage>(1600, 1200, "layouts 1" + how);
    for (const auto& file : files) {
        // The stand-in also tells layouts from armatures, which share the extension.
        cairo_surface_t* s = preview.render(file);
        if (!s)
            continue; // armatures and unreadable files
        if (g_engine.layout) {
            cairo_surface_destroy(s);
            s = g_engine.layout(file);
            if (!s) {
                std::fprintf(stderr, "asset-gallery: the engine could not draw %s\n", file.c_str());
                continue;
            }
            cairo_surface_write_to_png(s, (out / ("layout_" + file.stem().string() + ".png")).c_str());
        }
        if (!page->add(s, file.filename().string(), 765, 510)) {
            page->save(out / ("layouts_" + std::to_string(pageNo++) + ".png"));
            page = std::make_unique<ContactPage>(1600, 1200, "layouts " + std::to_string(pageNo) + how);
            page->add(s, file.filename().string(), 765, 510);
        }
        cairo_surface_destroy(s);
    }
    page->save(out / ("layouts_" + std::to_string(pageNo) + ".png"));
}

void GalleryPages::armatures(const fs::path& resources, const fs::path& out)
{
    const fs::path dir = resources / "images_1440X960";
    const std::pair<const char*, const char*> pairs[] = { { "BrindleAnimation", "Armature" }, { "BrindleAnimation", "Armature1" },
        { "pipeiduishouzhong", "pipeiduishouzhong0" }, { "PkLoading", "PkLoading0" }, { "NewAnimation", "NewAnimation0" } };
    for (const auto& [name, sheet] : pairs) {
        const fs::path json = dir / (std::string(name) + ".ExportJson");
        if (!fs::exists(json))
            continue;
        ArmaturePreview preview(json, dir / (std::string(sheet) + ".plist"));
        ContactPage page(1600, 1200, std::string(name) + " with " + sheet + ".plist: each movement at 0, 1/3, 2/3 and its end"
                + (g_engine.armature ? " (engine)" : " (cairo stand-in)"));
        for (int m = 0; m < preview.movementCount(); ++m)
            for (double progress : { 0.0, 1.0 / 3, 2.0 / 3, 1.0 }) {
                cairo_surface_t* s = g_engine.armature
                    ? g_engine.armature(json, dir / (std::string(sheet) + ".plist"), m, progress)
                    : preview.render(m, progress, 380, 300);
                if (!s)
                    continue;
                page.add(s, "movement " + std::to_string(m) + " at " + std::to_string(int(progress * 100)) + "%", 380, 300);
                cairo_surface_destroy(s);
            }
        page.save(out / ("armature_" + std::string(sheet) + ".png"));
    }
}

int GalleryPages::renderAll(const fs::path& resources, const fs::path& out)
{
    if (!fs::is_directory(resources / "images_1440X960")) {
        std::fprintf(stderr, "asset-gallery: %s is not a resource tree\n", resources.c_str());
        return 1;
    }
    fs::create_directories(out);
    // One unreadable part of the tree costs its page, not the others.
    int failures = 0;
    const std::pair<const char*, void (*)(const fs::path&, const fs::path&)> pages[] = { { "pictures", pictures },
        { "sheets", sheets }, { "fonts", fonts }, { "layouts", layouts }, { "armatures", armatures } };
    for (const auto& [name, page] : pages) {
        try {
            page(resources, out);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "asset-gallery: %s page skipped: %s\n", name, e.what());
            ++failures;
        }
    }
    return failures ? 1 : 0;
}

} // namespace brindle::assets

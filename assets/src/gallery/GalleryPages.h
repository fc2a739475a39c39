#pragma once
// The gallery's page kinds, all read from a generated resource tree.

#include <cairo.h>

#include <filesystem>
#include <functional>

namespace brindle::assets {

// Drawing through the engine, when the gallery is linked with it; each returns a new
// 960 x 640 surface the caller destroys, or null when the engine could not draw it.
struct EngineRenders {
    std::function<cairo_surface_t*(const std::filesystem::path& layoutFile)> layout;
    // The armature of `exportJson` with the image pair of `plist`, movement `index` played
    // from its start to `progress` (0..1 of its length).
    std::function<cairo_surface_t*(const std::filesystem::path& exportJson, const std::filesystem::path& plist, int index,
        double progress)>
        armature;
};

class GalleryPages {
public:
    // From now on the layout and armature pages draw through these instead of the stand-ins.
    static void useEngine(EngineRenders renders);
    // Returns 0 on success, 1 if the resource tree could not be read.
    static int renderAll(const std::filesystem::path& resources, const std::filesystem::path& out);
    static void pictures(const std::filesystem::path& resources, const std::filesystem::path& out);
    static void sheets(const std::filesystem::path& resources, const std::filesystem::path& out);
    static void fonts(const std::filesystem::path& resources, const std::filesystem::path& out);
    static void layouts(const std::filesystem::path& resources, const std::filesystem::path& out);
    static void armatures(const std::filesystem::path& resources, const std::filesystem::path& out);
};

} // namespace brindle::assets

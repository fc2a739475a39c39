#pragma once
// The gallery's engine side: an offscreen 960 x 640 GL window with the client's search paths
// and shared sheets, drawing layouts and armatures to cairo surfaces the pages lay out.

#include <cairo.h>

#include <filesystem>
#include <string>

namespace cocos2d {
class CCScene;
}

namespace brindle::assets {

class EngineStage {
public:
    // False (and said on stderr) when no GL context can be had; the pages then keep the stand-ins.
    bool open(const std::filesystem::path& resources);
    // Plugs the layout and armature renders into GalleryPages.
    void install();

    cairo_surface_t* layout(const std::filesystem::path& layoutFile);
    cairo_surface_t* armature(const std::filesystem::path& exportJson, const std::filesystem::path& plist, int index,
        double progress);

private:
    // Runs the scene for `frames` frames of the manual clock, then draws it once more and reads it back.
    cairo_surface_t* shoot(cocos2d::CCScene* scene, int frames);

    std::filesystem::path m_resources;
    std::string m_loadedPair;
    std::string m_loadedPlist;
};

} // namespace brindle::assets

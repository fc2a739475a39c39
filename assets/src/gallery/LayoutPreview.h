#pragma once
// A stand-in for the engine's layout reader: draws a CocoStudio 1.x layout (.ExportJson)
// with cairo at the 960 x 640 design size, close enough to judge how the art composes.
// Once the engine is linked here the gallery renders layouts and armatures through it.

#include "gallery/FrameAtlas.h"

#include <cairo.h>
#include <json/value.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace brindle::assets {

class LayoutPreview {
public:
    explicit LayoutPreview(const std::filesystem::path& imagesDir);

    // The layout drawn into a new 960 x 640 surface (caller destroys it); null if unreadable.
    cairo_surface_t* render(const std::filesystem::path& layoutFile);

private:
    cairo_surface_t* picture(const Json::Value& data, int& w, int& h); // new surface or null
    void drawNode(cairo_t* cr, const Json::Value& node, double parentW, double parentH);

    std::filesystem::path m_dir;
    FrameAtlas m_atlas;
};

} // namespace brindle::assets

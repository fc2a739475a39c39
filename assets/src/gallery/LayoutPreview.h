#pragma once
// A stand-in for the engine's layout reader: draws a CocoStudio 1.x layout (.ExportJson)
// with cairo at the 960 x 640 design size, close enough to judge how the art composes.
// Once the engine is linked here the gallery renders layouts and armatures through it.

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
    ~LayoutPreview();

    // The layout drawn into a new 960 x 640 surface (caller destroys it); null if unreadable.
    cairo_surface_t* render(const std::filesystem::path& layoutFile);

private:
    struct Frame {
        cairo_surface_t* texture = nullptr; // borrowed from m_textures
        int x = 0, y = 0, w = 0, h = 0;
        bool rotated = false;
    };
    void loadSheets();
    cairo_surface_t* picture(const Json::Value& data, int& w, int& h); // new surface or null
    void drawNode(cairo_t* cr, const Json::Value& node, double parentW, double parentH);

    std::filesystem::path m_dir;
    std::map<std::string, cairo_surface_t*> m_textures;
    std::map<std::string, Frame> m_frames;
};

} // namespace brindle::assets

#pragma once
// Sheet frames for the gallery: reads format-2 plists with their textures and cuts single
// frames out as surfaces (turned frames turned back).

#include <cairo.h>

#include <filesystem>
#include <map>
#include <string>

namespace brindle::assets {

class FrameAtlas {
public:
    FrameAtlas() = default;
    ~FrameAtlas();
    FrameAtlas(const FrameAtlas&) = delete;
    FrameAtlas& operator=(const FrameAtlas&) = delete;

    // Adds every frame of the sheet; names already present keep their first sheet.
    void addSheet(const std::filesystem::path& plist);
    // New surface with the frame, or null when no sheet has it.
    cairo_surface_t* cut(const std::string& name) const;

private:
    struct Frame {
        cairo_surface_t* texture = nullptr;
        int x = 0, y = 0, w = 0, h = 0;
        bool rotated = false;
    };
    std::map<std::string, cairo_surface_t*> m_textures;
    std::map<std::string, Frame> m_frames;
};

} // namespace brindle::assets

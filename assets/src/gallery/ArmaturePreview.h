#pragma once
// A stand-in for the engine's armature: poses a CocoStudio 1.x armature at one moment of a
// movement and draws its bones' pictures with cairo, to judge the parts together.

#include "gallery/FrameAtlas.h"

#include <cairo.h>
#include <json/value.h>

#include <filesystem>

namespace brindle::assets {

class ArmaturePreview {
public:
    // The armature description and the image pair it is shown with.
    ArmaturePreview(const std::filesystem::path& exportJson, const std::filesystem::path& plist);

    int movementCount() const;
    // Movement `index` at `progress` (0..1 of its duration), the design screen fitted to the
    // cell with the armature's origin at its centre; a new surface the caller destroys.
    cairo_surface_t* render(int index, double progress, int width, int height) const;

private:
    Json::Value m_armature;
    FrameAtlas m_atlas;
};

} // namespace brindle::assets

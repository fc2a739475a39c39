#pragma once
// The gallery's page kinds, all read from a generated resource tree.

#include <filesystem>

namespace brindle::assets {

class GalleryPages {
public:
    // Returns 0 on success, 1 if the resource tree could not be read.
    static int renderAll(const std::filesystem::path& resources, const std::filesystem::path& out);
    static void pictures(const std::filesystem::path& resources, const std::filesystem::path& out);
    static void sheets(const std::filesystem::path& resources, const std::filesystem::path& out);
    static void fonts(const std::filesystem::path& resources, const std::filesystem::path& out);
    static void layouts(const std::filesystem::path& resources, const std::filesystem::path& out);
    static void armatures(const std::filesystem::path& resources, const std::filesystem::path& out);
};

} // namespace brindle::assets

#pragma once
// Natural sizes of the pictures a layout names, read from what the picture and sheet steps
// already wrote: a file's PNG header, or a frame of one of the shared sheets. Layouts
// record them as the widgets' sizes, as the editor would.
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

namespace brindle::assets {

class PictureSizes {
public:
    explicit PictureSizes(std::filesystem::path imagesDir);

    // nullopt when the picture is not there (yet): the caller writes a size of 0.
    std::optional<std::pair<int, int>> file(const std::string& name) const;
    std::optional<std::pair<int, int>> frame(const std::string& name) const;

    // Width and height from a PNG file's header; nullopt for anything else.
    static std::optional<std::pair<int, int>> pngSize(const std::filesystem::path& path);

private:
    void loadSheets() const;

    std::filesystem::path m_imagesDir;
    mutable std::once_flag m_loaded;
    mutable std::map<std::string, std::pair<int, int>> m_frames;
};

} // namespace brindle::assets

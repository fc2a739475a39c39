#pragma once
// The generated tree's own consistency: every picture a layout names exists (a file beside
// the layout, or a frame of a shared sheet or of a sheet the layout lists), and every bone
// picture of an armature is a frame of each image pair it is loaded with. Run as the last
// generator step so a missing picture fails the build instead of showing an empty widget.
#include <json/value.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace brindle::assets {

class ReferenceCheck {
public:
    explicit ReferenceCheck(std::filesystem::path imagesDir);

    // One line per fault ("main.ExportJson: playbtn names the missing file x.png").
    std::vector<std::string> layout(const std::string& file, const Json::Value& layout) const;
    std::vector<std::string> armature(const std::string& file, const Json::Value& armature,
        const std::vector<std::string>& sheets) const;

    // Frame names of a sheet in the images folder; empty when it is missing or unreadable.
    const std::set<std::string>& frames(const std::string& plist) const;

private:
    std::filesystem::path m_imagesDir;
    mutable std::map<std::string, std::set<std::string>> m_frames;
};

} // namespace brindle::assets

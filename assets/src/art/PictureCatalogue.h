#pragma once
// The catalogue of every picture the game loads (art/*.pics): one line a picture,
//   name  WxH  sheets  painter  key=value...
// `sheets` is "-" for a picture that is only a file, else sheet names joined by '+'.
// Frames of the shared and tied sheets are also written as files of their own (so both
// the frame look-up and the file look-up find them); armature bone pictures are not, as
// two armature sheets may draw the same name differently.
// `turn=1` stores the frame turned in its sheet, `turn=0` keeps it upright (default: the
// packer decides, except in armature sheets where frames stay upright).

#include "core/Description.h"

#include <filesystem>
#include <string>
#include <vector>

namespace brindle::assets {

struct PictureEntry {
    std::string name;
    int width = 0;
    int height = 0;
    std::vector<std::string> sheets;
    std::string painter;
    int turn = -1; // -1 packer decides, 0 never, 1 always
    DescriptionLine line;
};

class PictureCatalogue {
public:
    // Reads every art/*.pics file in name order; SourceError on a bad line.
    static std::vector<PictureEntry> load(const std::filesystem::path& artDir, const std::filesystem::path& sourceDir);
    static std::vector<PictureEntry> parse(const std::vector<DescriptionLine>& lines);
    static bool isArmatureSheet(const std::string& sheet);
    static bool writesOwnFile(const PictureEntry& entry);
};

} // namespace brindle::assets

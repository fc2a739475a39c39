#include "art/PictureCatalogue.h"

#include "art/Painters.h"

#include <algorithm>
#include <map>
#include <set>

namespace brindle::assets {

namespace {

const std::set<std::string>& knownSheets()
{
    static const std::set<std::string> sheets { "UI1", "UI2", "Game", "Expand1", "Caidan", "Achievement",
        "Xingxiang", "Armature", "Armature1", "pipeiduishouzhong0", "PkLoading0", "NewAnimation0" };
    return sheets;
}

} // namespace

bool PictureCatalogue::isArmatureSheet(const std::string& sheet)
{
    return sheet == "Armature" || sheet == "Armature1" || sheet == "pipeiduishouzhong0" || sheet == "PkLoading0"
        || sheet == "NewAnimation0";
}

bool PictureCatalogue::writesOwnFile(const PictureEntry& entry)
{
    return std::none_of(entry.sheets.begin(), entry.sheets.end(), isArmatureSheet);
}

std::vector<PictureEntry> PictureCatalogue::parse(const std::vector<DescriptionLine>& lines)
{
    std::vector<PictureEntry> entries;
    std::map<std::string, const DescriptionLine*> files;
    std::map<std::string, const DescriptionLine*> frames; // "sheet/name"
    for (const auto& line : lines) {
        PictureEntry entry;
        entry.name = line.word(0, "picture name");
        if (entry.name.size() < 5 || entry.name.substr(entry.name.size() - 4) != ".png")
            line.fail("picture name '" + entry.name + "' must end in .png");
        line.size(1, entry.width, entry.height);
        const std::string& sheets = line.word(2, "sheet list (or -)");
        if (sheets != "-") {
            size_t start = 0;
            while (start <= sheets.size()) {
                size_t plus = sheets.find('+', start);
                if (plus == std::string::npos)
                    plus = sheets.size();
                const std::string sheet = sheets.substr(start, plus - start);
                if (!knownSheets().count(sheet))
                    line.fail("unknown sheet '" + sheet + "'");
                entry.sheets.push_back(sheet);
                start = plus + 1;
            }
        }
        entry.painter = line.word(3, "painter");
        if (!Painters::find(entry.painter))
            line.fail("unknown painter '" + entry.painter + "'");
        if (line.words.size() > 4)
            line.fail("unexpected word '" + line.words[4] + "' (arguments are key=value)");
        if (line.has("turn")) {
            entry.turn = line.integer("turn", 0) ? 1 : 0;
        }
        entry.line = line;
        entry.line.args.erase("turn");
        for (const auto& sheet : entry.sheets) {
            auto [it, fresh] = frames.emplace(sheet + "/" + entry.name, &line);
            if (!fresh)
                line.fail(entry.name + " is already in sheet " + sheet + " (line " + std::to_string(it->second->line) + ")");
        }
        if (writesOwnFile(entry)) {
            auto [it, fresh] = files.emplace(entry.name, &line);
            if (!fresh)
                line.fail(entry.name + " is already described (" + it->second->file + ":"
                    + std::to_string(it->second->line) + ")");
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<PictureEntry> PictureCatalogue::load(const std::filesystem::path& artDir, const std::filesystem::path& sourceDir)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(artDir))
        if (entry.path().extension() == ".pics")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<DescriptionLine> lines;
    for (const auto& file : files) {
        auto more = Description::read(file, file.lexically_relative(sourceDir).generic_string());
        lines.insert(lines.end(), more.begin(), more.end());
    }
    return parse(lines);
}

} // namespace brindle::assets

#include "data/ReferenceCheck.h"

#include "core/FileUtil.h"
#include "core/Plist.h"

#include <functional>

namespace brindle::assets {

namespace {

constexpr const char* kSharedSheets[] = { "UI1.plist", "UI2.plist", "Game.plist", "Expand1.plist" };
constexpr const char* kPictureMembers[] = { "normalData", "pressedData", "disabledData", "fileNameData",
    "backGroundImageData" };

void walk(const Json::Value& widget, const std::function<void(const Json::Value&)>& visit)
{
    visit(widget);
    for (const Json::Value& child : widget["children"])
        walk(child, visit);
}

} // namespace

ReferenceCheck::ReferenceCheck(std::filesystem::path imagesDir)
    : m_imagesDir(std::move(imagesDir))
{
}

const std::set<std::string>& ReferenceCheck::frames(const std::string& plist) const
{
    auto it = m_frames.find(plist);
    if (it != m_frames.end())
        return it->second;
    std::set<std::string> names;
    try {
        const auto path = m_imagesDir / plist;
        if (std::filesystem::exists(path)) {
            const Plist sheet = Plist::parse(readFile(path));
            if (const Plist* dict = sheet.find("frames"); dict && dict->isDict()) {
                for (const auto& [name, facts] : dict->dict())
                    names.insert(name);
            }
        }
    } catch (const std::exception&) {
        names.clear(); // an unreadable sheet holds nothing the client could use
    }
    return m_frames.emplace(plist, std::move(names)).first->second;
}

std::vector<std::string> ReferenceCheck::layout(const std::string& file, const Json::Value& layout) const
{
    std::vector<std::string> faults;
    std::vector<const std::set<std::string>*> sheets;
    for (const char* shared : kSharedSheets)
        sheets.push_back(&frames(shared));
    for (const Json::Value& listed : layout["textures"]) {
        const auto& listedFrames = frames(listed.asString());
        if (listedFrames.empty())
            faults.push_back(file + ": lists the missing sheet " + listed.asString());
        sheets.push_back(&listedFrames);
    }
    walk(layout["widgetTree"], [&](const Json::Value& widget) {
        const std::string name = widget["options"]["name"].asString();
        for (const char* member : kPictureMembers) {
            const Json::Value& data = widget["options"][member];
            if (!data.isObject() || !data["path"].isString() || data["path"].asString().empty())
                continue;
            const std::string picture = data["path"].asString();
            if (data["resourceType"].asInt() == 1) {
                bool found = false;
                for (const auto* sheet : sheets)
                    found = found || sheet->count(picture) != 0;
                if (!found)
                    faults.push_back(file + ": " + name + " names the frame " + picture + ", which no loaded sheet holds");
            } else if (!std::filesystem::is_regular_file(m_imagesDir / picture)) {
                faults.push_back(file + ": " + name + " names the missing file " + picture);
            }
        }
    });
    return faults;
}

std::vector<std::string> ReferenceCheck::armature(const std::string& file, const Json::Value& armature,
    const std::vector<std::string>& sheets) const
{
    std::vector<std::string> faults;
    for (const std::string& sheet : sheets) {
        const auto& names = frames(sheet);
        if (names.empty()) {
            faults.push_back(file + ": its image pair " + sheet + " is missing");
            continue;
        }
        for (const Json::Value& bone : armature["armature_data"][0]["bone_data"]) {
            for (const Json::Value& display : bone["display_data"]) {
                if (!names.count(display["name"].asString()))
                    faults.push_back(file + ": " + sheet + " lacks the bone picture " + display["name"].asString());
            }
        }
    }
    return faults;
}

} // namespace brindle::assets

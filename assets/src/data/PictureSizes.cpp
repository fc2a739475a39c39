#include "data/PictureSizes.h"

#include "core/FileUtil.h"
#include "core/Plist.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace brindle::assets {

namespace {

// The sheets the loading screen puts into the frame cache before any layout is read.
constexpr const char* kSharedSheets[] = { "UI1.plist", "UI2.plist", "Game.plist", "Expand1.plist" };

std::optional<std::pair<int, int>> parseSize(const std::string& text)
{
    // "{w,h}" or "{{x,y},{w,h}}": the last two numbers are the size.
    int numbers[4] = {};
    int count = 0;
    const char* p = text.c_str();
    while (*p && count < 4) {
        if ((*p >= '0' && *p <= '9') || *p == '-') {
            char* end = nullptr;
            numbers[count++] = int(std::strtol(p, &end, 10));
            p = end;
        } else {
            ++p;
        }
    }
    if (count < 2)
        return std::nullopt;
    return std::make_pair(numbers[count - 2], numbers[count - 1]);
}

} // namespace

PictureSizes::PictureSizes(std::filesystem::path imagesDir)
    : m_imagesDir(std::move(imagesDir))
{
}

std::optional<std::pair<int, int>> PictureSizes::pngSize(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    unsigned char header[24] = {};
    if (!in.read(reinterpret_cast<char*>(header), sizeof header))
        return std::nullopt;
    static const unsigned char signature[8] = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n' };
    for (int i = 0; i < 8; ++i) {
        if (header[i] != signature[i])
            return std::nullopt;
    }
    auto be32 = [&](int at) {
        return int(header[at]) << 24 | int(header[at + 1]) << 16 | int(header[at + 2]) << 8 | int(header[at + 3]);
    };
    return std::make_pair(be32(16), be32(20));
}

std::optional<std::pair<int, int>> PictureSizes::file(const std::string& name) const
{
    return pngSize(m_imagesDir / name);
}

void PictureSizes::loadSheets() const
{
    for (const char* sheet : kSharedSheets) {
        const auto path = m_imagesDir / sheet;
        if (!std::filesystem::exists(path))
            continue;
        try {
            const Plist plist = Plist::parse(readFile(path));
            const Plist* frames = plist.find("frames");
            if (!frames || !frames->isDict())
                continue;
            for (const auto& [name, facts] : frames->dict()) {
                const Plist* size = facts.find("sourceSize");
                if (!size)
                    size = facts.find("frame");
                if (size && size->isString()) {
                    if (auto parsed = parseSize(size->string()))
                        m_frames.emplace(name, *parsed);
                }
            }
        } catch (const std::exception& error) {
            std::fprintf(stderr, "layouts: cannot read %s for picture sizes: %s\n", sheet, error.what());
        }
    }
}

std::optional<std::pair<int, int>> PictureSizes::frame(const std::string& name) const
{
    std::call_once(m_loaded, [this] { loadSheets(); });
    auto it = m_frames.find(name);
    if (it != m_frames.end())
        return it->second;
    // Every frame is also written as a file of its own.
    return file(name);
}

} // namespace brindle::assets

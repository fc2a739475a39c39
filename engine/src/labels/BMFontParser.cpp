#include "labels/BMFontParser.h"

#include <cstdlib>
#include <sstream>
#include <utility>
#include <vector>

namespace cocos2d {

namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;

// key=value fields separated by blanks; values may be quoted (letter=" " and file names with spaces).
Fields splitFields(const std::string& line)
{
    Fields fields;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (i < n) {
        while (i < n && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        const std::size_t keyStart = i;
        while (i < n && line[i] != '=' && line[i] != ' ' && line[i] != '\t')
            ++i;
        std::string key = line.substr(keyStart, i - keyStart);
        std::string value;
        if (i < n && line[i] == '=') {
            ++i;
            if (i < n && line[i] == '"') {
                const std::size_t close = line.find('"', i + 1);
                const std::size_t end = close == std::string::npos ? n : close;
                value = line.substr(i + 1, end - i - 1);
                i = close == std::string::npos ? n : close + 1;
            } else {
                const std::size_t start = i;
                while (i < n && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
                    ++i;
                value = line.substr(start, i - start);
            }
        }
        if (!key.empty())
            fields.emplace_back(std::move(key), std::move(value));
    }
    return fields;
}

const std::string* field(const Fields& fields, const char* key)
{
    for (const auto& [k, v] : fields)
        if (k == key)
            return &v;
    return nullptr;
}

int intField(const Fields& fields, const char* key, int fallback = 0)
{
    const std::string* v = field(fields, key);
    return v ? std::atoi(v->c_str()) : fallback;
}

bool startsWith(const std::string& s, const char* prefix)
{
    return s.rfind(prefix, 0) == 0;
}

} // namespace

int BMFontData::kerningAmount(unsigned first, unsigned second) const
{
    auto it = kerning.find((static_cast<std::uint64_t>(first) << 32) | second);
    return it == kerning.end() ? 0 : it->second;
}

bool parseFnt(const std::string& text, BMFontData& out, std::string& error)
{
    out = BMFontData{};
    bool haveCommon = false;
    bool havePage = false;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (startsWith(line, "char ")) {
            const Fields f = splitFields(line.substr(5));
            BMFontDef def;
            const int id = intField(f, "id", -1);
            if (id < 0)
                continue;
            def.id = static_cast<unsigned>(id);
            def.x = static_cast<float>(intField(f, "x"));
            def.y = static_cast<float>(intField(f, "y"));
            def.width = static_cast<float>(intField(f, "width"));
            def.height = static_cast<float>(intField(f, "height"));
            def.xOffset = intField(f, "xoffset");
            def.yOffset = intField(f, "yoffset");
            def.xAdvance = intField(f, "xadvance");
            out.chars[def.id] = def;
        } else if (startsWith(line, "kerning ")) {
            const Fields f = splitFields(line.substr(8));
            const int first = intField(f, "first", -1), second = intField(f, "second", -1);
            if (first >= 0 && second >= 0)
                out.kerning[(static_cast<std::uint64_t>(first) << 32) | static_cast<unsigned>(second)] =
                    intField(f, "amount");
        } else if (startsWith(line, "common ")) {
            const Fields f = splitFields(line.substr(7));
            out.lineHeight = intField(f, "lineHeight");
            out.base = intField(f, "base");
            out.scaleW = intField(f, "scaleW");
            out.scaleH = intField(f, "scaleH");
            const int pages = intField(f, "pages", 1);
            if (pages != 1) {
                error = "only fonts with one page are supported (pages=" + std::to_string(pages) + ")";
                return false;
            }
            haveCommon = true;
        } else if (startsWith(line, "page ")) {
            const Fields f = splitFields(line.substr(5));
            if (intField(f, "id", -1) != 0) {
                error = "page id must be 0";
                return false;
            }
            const std::string* file = field(f, "file");
            if (!file || file->empty()) {
                error = "page without a file";
                return false;
            }
            out.pageFile = *file;
            havePage = true;
        } else if (startsWith(line, "info ")) {
            const Fields f = splitFields(line.substr(5));
            if (const std::string* p = field(f, "padding")) {
                std::istringstream ps(*p);
                std::string part;
                for (int i = 0; i < 4 && std::getline(ps, part, ','); ++i)
                    out.padding[i] = std::atoi(part.c_str());
            }
        }
    }
    if (!haveCommon) {
        error = "no common line";
        return false;
    }
    if (!havePage) {
        error = "no page line";
        return false;
    }
    return true;
}

} // namespace cocos2d

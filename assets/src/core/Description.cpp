#include "core/Description.h"

#include "core/FileUtil.h"
#include "core/SourceError.h"

#include <charconv>
#include <cstdlib>

namespace brindle::assets {

void DescriptionLine::fail(const std::string& message) const
{
    throw SourceError(file, line, message);
}

const std::string& DescriptionLine::word(size_t i, const char* what) const
{
    if (i >= words.size())
        fail(std::string("missing ") + what);
    return words[i];
}

std::string DescriptionLine::text(const std::string& key, const std::string& fallback) const
{
    auto it = args.find(key);
    return it == args.end() ? fallback : it->second;
}

double parseNumber(const DescriptionLine& line, const std::string& text, const std::string& what)
{
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size())
        line.fail("'" + text + "' is not a number (" + what + ")");
    return value;
}

double DescriptionLine::number(const std::string& key, double fallback) const
{
    auto it = args.find(key);
    return it == args.end() ? fallback : parseNumber(*this, it->second, key);
}

int DescriptionLine::integer(const std::string& key, int fallback) const
{
    const double value = number(key, fallback);
    if (value != double(int(value)))
        fail(key + " must be a whole number");
    return int(value);
}

void DescriptionLine::size(size_t i, int& width, int& height) const
{
    const std::string& text = word(i, "size WxH");
    const size_t x = text.find('x');
    if (x == std::string::npos)
        fail("'" + text + "' is not a size WxH");
    const char* begin = text.data();
    auto a = std::from_chars(begin, begin + x, width);
    auto b = std::from_chars(begin + x + 1, begin + text.size(), height);
    if (a.ec != std::errc() || a.ptr != begin + x || b.ec != std::errc() || b.ptr != begin + text.size()
        || width <= 0 || height <= 0 || width > 4096 || height > 4096)
        fail("'" + text + "' is not a size WxH (1..4096)");
}

void DescriptionLine::colour(const std::string& key, const std::string& fallback, double rgba[4]) const
{
    const std::string text = this->text(key, fallback);
    auto hex = [&](size_t at) {
        int v = 0;
        auto r = std::from_chars(text.data() + at, text.data() + at + 2, v, 16);
        if (r.ec != std::errc() || r.ptr != text.data() + at + 2)
            fail("'" + text + "' is not a colour #rrggbb[aa] (" + key + ")");
        return v / 255.0;
    };
    if (text.size() != 7 && text.size() != 9)
        fail("'" + text + "' is not a colour #rrggbb[aa] (" + key + ")");
    if (text[0] != '#')
        fail("'" + text + "' is not a colour #rrggbb[aa] (" + key + ")");
    rgba[0] = hex(1);
    rgba[1] = hex(3);
    rgba[2] = hex(5);
    rgba[3] = text.size() == 9 ? hex(7) : 1.0;
}

void DescriptionLine::allowOnly(std::initializer_list<const char*> keys) const
{
    for (const auto& [key, value] : args) {
        bool known = false;
        for (const char* k : keys)
            known = known || key == k;
        if (!known)
            fail("unknown argument '" + key + "'");
    }
}

std::vector<DescriptionLine> Description::parse(const std::string& text, const std::string& shownName)
{
    std::vector<DescriptionLine> lines;
    int number = 0;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string raw = text.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        DescriptionLine line;
        line.file = shownName;
        line.line = number;
        size_t i = 0;
        for (; i < raw.size() && (raw[i] == ' ' || raw[i] == '\t'); ++i)
            line.indent += raw[i] == '\t' ? 4 : 1;
        std::vector<std::string> words;
        while (i < raw.size()) {
            if (raw[i] == ' ' || raw[i] == '\t') { ++i; continue; }
            if (raw[i] == '#') break;
            std::string word;
            bool quoted = false;
            while (i < raw.size() && (quoted || (raw[i] != ' ' && raw[i] != '\t'))) {
                if (raw[i] == '"') { quoted = !quoted; ++i; continue; }
                if (quoted && raw[i] == '\\' && i + 1 < raw.size()) {
                    const char next = raw[i + 1];
                    word += next == 'n' ? '\n' : next;
                    i += 2;
                    continue;
                }
                word += raw[i++];
            }
            if (quoted)
                throw SourceError(shownName, number, "unterminated quote");
            words.push_back(std::move(word));
        }
        if (words.empty())
            continue;
        for (auto& w : words) {
            const size_t eq = w.find('=');
            if (eq != std::string::npos && eq > 0 && !line.words.empty()) {
                const std::string key = w.substr(0, eq);
                if (line.args.count(key))
                    throw SourceError(shownName, number, "argument '" + key + "' given twice");
                line.args[key] = w.substr(eq + 1);
            } else {
                line.words.push_back(std::move(w));
            }
        }
        lines.push_back(std::move(line));
        if (end == text.size())
            break;
    }
    return lines;
}

std::vector<DescriptionLine> Description::read(const std::filesystem::path& path, const std::string& shownName)
{
    return parse(readFile(path), shownName);
}

} // namespace brindle::assets

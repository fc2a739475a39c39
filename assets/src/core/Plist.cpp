#include "core/Plist.h"

#include <cstdio>
#include <stdexcept>

namespace brindle::assets {

namespace {

std::string escapeXml(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string unescapeXml(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            const size_t end = text.find(';', i);
            const std::string entity = end == std::string::npos ? "" : text.substr(i, end - i + 1);
            if (entity == "&amp;") out += '&';
            else if (entity == "&lt;") out += '<';
            else if (entity == "&gt;") out += '>';
            else if (entity == "&quot;") out += '"';
            else if (entity == "&apos;") out += '\'';
            else { out += text[i]; continue; }
            i = end;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string formatReal(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    std::string text = buffer;
    if (text.find_first_of(".e") == std::string::npos)
        text += ".0";
    return text;
}

// Minimal pull parser over the element structure of a plist document.
class Reader {
public:
    explicit Reader(const std::string& xml) : m_xml(xml) {}

    Plist document()
    {
        for (;;) {
            const std::string tag = nextTag();
            if (tag == "plist")
                break;
            if (tag.empty())
                throw std::runtime_error("plist: no <plist> element");
        }
        return value(nextTag());
    }

private:
    Plist value(const std::string& tag)
    {
        if (tag == "dict") {
            Plist::Dict dict;
            for (;;) {
                const std::string t = nextTag();
                if (t == "/dict")
                    return Plist(std::move(dict));
                if (t == "dict/")
                    return Plist(Plist::Dict {});
                if (t != "key")
                    throw std::runtime_error("plist: expected <key>, got <" + t + ">");
                const std::string key = unescapeXml(textUntil("</key>"));
                dict[key] = value(nextTag());
            }
        }
        if (tag == "dict/")
            return Plist(Plist::Dict {});
        if (tag == "array" || tag == "array/") {
            Plist::Array items;
            if (tag == "array/")
                return Plist(std::move(items));
            for (;;) {
                const std::string t = nextTag();
                if (t == "/array")
                    return Plist(std::move(items));
                items.push_back(value(t));
            }
        }
        if (tag == "string")
            return Plist(unescapeXml(textUntil("</string>")));
        if (tag == "string/")
            return Plist(std::string());
        if (tag == "integer")
            return Plist(std::stoll(textUntil("</integer>")));
        if (tag == "real")
            return Plist(std::stod(textUntil("</real>")));
        if (tag == "true/")
            return Plist(true);
        if (tag == "false/")
            return Plist(false);
        throw std::runtime_error("plist: unexpected <" + tag + ">");
    }

    // Name of the next element tag ("dict", "/dict", "true/"); skips <?..?> and <!..>.
    std::string nextTag()
    {
        for (;;) {
            const size_t open = m_xml.find('<', m_pos);
            if (open == std::string::npos)
                return {};
            const size_t close = m_xml.find('>', open);
            if (close == std::string::npos)
                throw std::runtime_error("plist: unterminated tag");
            m_pos = close + 1;
            std::string inner = m_xml.substr(open + 1, close - open - 1);
            if (inner.empty() || inner[0] == '?' || inner[0] == '!')
                continue;
            const bool selfClosing = inner.back() == '/';
            const size_t space = inner.find_first_of(" \t\r\n/", 1);
            std::string name = inner.substr(0, space);
            if (selfClosing)
                name += '/';
            return name;
        }
    }

    std::string textUntil(const std::string& closing)
    {
        const size_t end = m_xml.find(closing, m_pos);
        if (end == std::string::npos)
            throw std::runtime_error("plist: missing " + closing);
        std::string text = m_xml.substr(m_pos, end - m_pos);
        m_pos = end + closing.size();
        return text;
    }

    const std::string& m_xml;
    size_t m_pos = 0;
};

} // namespace

double Plist::number() const
{
    if (auto* i = std::get_if<long long>(&m_value)) return double(*i);
    if (auto* d = std::get_if<double>(&m_value)) return *d;
    if (auto* b = std::get_if<bool>(&m_value)) return *b ? 1 : 0;
    return 0;
}

bool Plist::flag() const { return number() != 0; }

const Plist* Plist::find(const std::string& key) const
{
    if (!isDict())
        return nullptr;
    auto it = dict().find(key);
    return it == dict().end() ? nullptr : &it->second;
}

void Plist::write(std::string& out, int depth) const
{
    const std::string indent(size_t(depth) * 4, ' ');
    if (auto* s = std::get_if<std::string>(&m_value)) {
        out += indent + "<string>" + escapeXml(*s) + "</string>\n";
    } else if (auto* i = std::get_if<long long>(&m_value)) {
        out += indent + "<integer>" + std::to_string(*i) + "</integer>\n";
    } else if (auto* d = std::get_if<double>(&m_value)) {
        out += indent + "<real>" + formatReal(*d) + "</real>\n";
    } else if (auto* b = std::get_if<bool>(&m_value)) {
        out += indent + (*b ? "<true/>\n" : "<false/>\n");
    } else if (auto* a = std::get_if<Array>(&m_value)) {
        out += indent + "<array>\n";
        for (const auto& item : *a)
            item.write(out, depth + 1);
        out += indent + "</array>\n";
    } else if (auto* dict = std::get_if<Dict>(&m_value)) {
        out += indent + "<dict>\n";
        for (const auto& [key, item] : *dict) {
            out += indent + "    <key>" + escapeXml(key) + "</key>\n";
            item.write(out, depth + 1);
        }
        out += indent + "</dict>\n";
    }
}

std::string Plist::toXml() const
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                      "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                      "<plist version=\"1.0\">\n";
    write(out, 0);
    out += "</plist>\n";
    return out;
}

Plist Plist::parse(const std::string& xml)
{
    return Reader(xml).document();
}

} // namespace brindle::assets

#pragma once
// A strict little XML element reader for the table checks: elements, attributes (with the
// five predefined entities), declarations, comments and text. Several top-level elements are
// allowed because the guide scripts have three, as the client's TinyXML accepts. Throws
// std::runtime_error on anything malformed (unclosed or mismatched tags, stray '<').
#include <cctype>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace brindle::assets::testing {

struct XmlElement {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::vector<XmlElement> children;

    std::string attribute(const std::string& key) const
    {
        auto it = attributes.find(key);
        return it == attributes.end() ? std::string() : it->second;
    }
    std::vector<const XmlElement*> childrenNamed(const std::string& wanted) const
    {
        std::vector<const XmlElement*> found;
        for (const XmlElement& child : children) {
            if (child.name == wanted)
                found.push_back(&child);
        }
        return found;
    }
};

class MiniXml {
public:
    static std::vector<XmlElement> parse(const std::string& text)
    {
        MiniXml reader(text);
        std::vector<XmlElement> top;
        reader.skipMisc();
        while (reader.m_pos < text.size()) {
            top.push_back(reader.element());
            reader.skipMisc();
        }
        return top;
    }

private:
    explicit MiniXml(const std::string& text) : m_text(text) {}

    [[noreturn]] void fail(const std::string& what) const
    {
        throw std::runtime_error("XML: " + what + " at byte " + std::to_string(m_pos));
    }

    bool startsWith(const char* prefix) const { return m_text.compare(m_pos, std::char_traits<char>::length(prefix), prefix) == 0; }

    void skipUntil(const char* end)
    {
        const size_t at = m_text.find(end, m_pos);
        if (at == std::string::npos)
            fail(std::string("missing ") + end);
        m_pos = at + std::char_traits<char>::length(end);
    }

    // Blanks, the declaration and comments between elements; text only inside elements.
    void skipMisc(bool allowText = false)
    {
        while (m_pos < m_text.size()) {
            if (startsWith("<?")) {
                skipUntil("?>");
            } else if (startsWith("<!--")) {
                skipUntil("-->");
            } else if (m_text[m_pos] == '<') {
                return;
            } else if (std::isspace(static_cast<unsigned char>(m_text[m_pos])) || allowText) {
                ++m_pos;
            } else {
                fail("text outside an element");
            }
        }
    }

    std::string name()
    {
        const size_t start = m_pos;
        while (m_pos < m_text.size()
            && (std::isalnum(static_cast<unsigned char>(m_text[m_pos])) || m_text[m_pos] == '_' || m_text[m_pos] == '-'
                || m_text[m_pos] == ':' || m_text[m_pos] == '.'))
            ++m_pos;
        if (m_pos == start)
            fail("expected a name");
        return m_text.substr(start, m_pos - start);
    }

    void blanks()
    {
        while (m_pos < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_pos])))
            ++m_pos;
    }

    std::string value()
    {
        if (m_pos >= m_text.size() || (m_text[m_pos] != '"' && m_text[m_pos] != '\''))
            fail("expected a quoted attribute value");
        const char quote = m_text[m_pos++];
        std::string out;
        while (m_pos < m_text.size() && m_text[m_pos] != quote) {
            if (m_text[m_pos] == '<')
                fail("'<' inside an attribute value");
            if (m_text[m_pos] == '&') {
                static const std::pair<const char*, char> entities[]
                    = { { "&amp;", '&' }, { "&lt;", '<' }, { "&gt;", '>' }, { "&quot;", '"' }, { "&apos;", '\'' } };
                bool known = false;
                for (const auto& [entity, c] : entities) {
                    if (startsWith(entity)) {
                        out += c;
                        m_pos += std::char_traits<char>::length(entity);
                        known = true;
                        break;
                    }
                }
                if (!known)
                    fail("unknown entity");
                continue;
            }
            out += m_text[m_pos++];
        }
        if (m_pos >= m_text.size())
            fail("unterminated attribute value");
        ++m_pos;
        return out;
    }

    XmlElement element()
    {
        if (m_pos >= m_text.size() || m_text[m_pos] != '<')
            fail("expected '<'");
        ++m_pos;
        XmlElement e;
        e.name = name();
        for (;;) {
            blanks();
            if (startsWith("/>")) {
                m_pos += 2;
                return e;
            }
            if (startsWith(">")) {
                ++m_pos;
                break;
            }
            std::string key = name();
            blanks();
            if (m_pos >= m_text.size() || m_text[m_pos] != '=')
                fail("expected '=' after attribute " + key);
            ++m_pos;
            blanks();
            if (!e.attributes.emplace(key, value()).second)
                fail("attribute " + key + " given twice");
        }
        for (;;) {
            skipMisc(true);
            if (m_pos >= m_text.size())
                fail("element " + e.name + " is not closed");
            if (startsWith("</")) {
                m_pos += 2;
                if (name() != e.name)
                    fail("closing tag does not match " + e.name);
                blanks();
                if (!startsWith(">"))
                    fail("expected '>'");
                ++m_pos;
                return e;
            }
            e.children.push_back(element());
        }
    }

    const std::string& m_text;
    size_t m_pos = 0;
};

} // namespace brindle::assets::testing

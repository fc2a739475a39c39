#pragma once
// Property lists in Apple's XML form, as cocos2d reads them for sprite sheets and
// particle systems. Dictionaries keep their keys sorted so output is stable.

#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace brindle::assets {

class Plist {
public:
    using Array = std::vector<Plist>;
    using Dict = std::map<std::string, Plist>;

    Plist() : m_value(Dict {}) {}
    Plist(const char* text) : m_value(std::string(text)) {}
    Plist(std::string text) : m_value(std::move(text)) {}
    Plist(int number) : m_value(static_cast<long long>(number)) {}
    Plist(long long number) : m_value(number) {}
    Plist(double number) : m_value(number) {}
    Plist(bool flag) : m_value(flag) {}
    Plist(Array items) : m_value(std::move(items)) {}
    Plist(Dict entries) : m_value(std::move(entries)) {}

    bool isDict() const { return std::holds_alternative<Dict>(m_value); }
    bool isString() const { return std::holds_alternative<std::string>(m_value); }
    Dict& dict() { return std::get<Dict>(m_value); }
    const Dict& dict() const { return std::get<Dict>(m_value); }
    const std::string& string() const { return std::get<std::string>(m_value); }
    // Integer, real or boolean read as a number; 0 for anything else.
    double number() const;
    bool flag() const;
    // Member of a dictionary, or nullptr.
    const Plist* find(const std::string& key) const;
    Plist& operator[](const std::string& key) { return dict()[key]; }

    // Whole document with XML header and DOCTYPE.
    std::string toXml() const;
    // Reads a document this class (or a common editor) writes; throws std::runtime_error.
    static Plist parse(const std::string& xml);

private:
    void write(std::string& out, int depth) const;
    std::variant<std::string, long long, double, bool, Array, Dict> m_value;
};

} // namespace brindle::assets

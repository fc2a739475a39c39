#include "data/TextTable.h"

#include <json/reader.h>

#include <cctype>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string_view>

namespace brindle::assets {

namespace {

std::string argumentKind(char conversion)
{
    switch (conversion) {
    case 'd': case 'i': case 'u': case 'x': case 'X': case 'o': case 'c':
        return "int";
    case 's':
        return "string";
    case 'f': case 'F': case 'g': case 'G': case 'e': case 'E':
        return "float";
    default:
        return {};
    }
}

} // namespace

std::optional<std::vector<std::string>> TextTable::placeholders(const std::string& text)
{
    std::vector<std::string> kinds;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%')
            continue;
        size_t j = i + 1;
        if (j < text.size() && text[j] == '%') {
            i = j;
            continue;
        }
        while (j < text.size() && std::string_view("-+ #0").find(text[j]) != std::string_view::npos)
            ++j;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])))
            ++j;
        if (j < text.size() && text[j] == '.') {
            ++j;
            while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])))
                ++j;
        }
        while (j < text.size() && (text[j] == 'l' || text[j] == 'h'))
            ++j;
        if (j >= text.size())
            return std::nullopt;
        std::string kind = argumentKind(text[j]);
        if (kind.empty())
            return std::nullopt;
        kinds.push_back(std::move(kind));
        i = j;
    }
    return kinds;
}

TextTable TextTable::parse(const std::string& text, const std::string& shownName)
{
    auto fail = [&](const std::string& what) -> void {
        throw std::runtime_error(shownName + ": " + what);
    };
    Json::CharReaderBuilder builder;
    builder["allowComments"] = true;
    builder["rejectDupKeys"] = true;
    builder["failIfExtra"] = true;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value root;
    std::string errors;
    if (!reader->parse(text.data(), text.data() + text.size(), &root, &errors))
        fail("not valid JSON: " + errors);
    if (!root.isObject())
        fail("the top level must be one object");

    TextTable table;
    for (const std::string& key : root.getMemberNames()) {
        const Json::Value& entry = root[key];
        if (!entry.isObject())
            fail("\"" + key + "\" must be an object with \"chinese\" and \"english\"");
        for (const char* language : { "chinese", "english" }) {
            if (!entry[language].isString())
                fail("\"" + key + "\" has no \"" + language + "\" text");
        }
        TextEntry parsed { key, entry["chinese"].asString(), entry["english"].asString() };
        const auto chinese = placeholders(parsed.chinese);
        const auto english = placeholders(parsed.english);
        if (!chinese || !english)
            fail("\"" + key + "\" holds a '%' that is no printf placeholder (write %% for a percent sign)");
        if (*chinese != *english)
            fail("\"" + key + "\": the Chinese and English texts differ in their placeholders");
        table.m_entries.push_back(std::move(parsed));
    }
    return table;
}

const TextEntry* TextTable::find(const std::string& key) const
{
    for (const TextEntry& entry : m_entries) {
        if (entry.key == key)
            return &entry;
    }
    return nullptr;
}

Json::Value TextTable::toJson() const
{
    Json::Value root(Json::objectValue);
    for (const TextEntry& entry : m_entries) {
        root[entry.key]["chinese"] = entry.chinese;
        root[entry.key]["english"] = entry.english;
    }
    return root;
}

} // namespace brindle::assets

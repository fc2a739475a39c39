#pragma once
// The game's text table (config.conf): key -> {"chinese", "english"}. Parsing refuses what
// would show wrong on screen: duplicate keys, entries missing a language, a printf format
// whose placeholders differ between the languages, and stray '%' signs (screens pass many
// texts through formats).
#include <json/value.h>

#include <optional>
#include <string>
#include <vector>

namespace brindle::assets {

struct TextEntry {
    std::string key;
    std::string chinese;
    std::string english;
};

class TextTable {
public:
    // Throws std::runtime_error naming the file and the first fault.
    static TextTable parse(const std::string& text, const std::string& shownName);

    const TextEntry* find(const std::string& key) const;
    const std::vector<TextEntry>& entries() const { return m_entries; }

    // The table as one plain JSON object (no comments), as the client reads it.
    Json::Value toJson() const;

    // Argument kinds of a printf format in order: "int", "string" or "float"; "%%" is a
    // literal. Returns nothing when the text holds a '%' that starts no valid conversion.
    static std::optional<std::vector<std::string>> placeholders(const std::string& text);

private:
    std::vector<TextEntry> m_entries;
};

} // namespace brindle::assets

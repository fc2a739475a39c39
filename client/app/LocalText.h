// Every visible text by key, from "config.conf": {"key": {"chinese": "...", "english": "..."}}.
#pragma once

#include <json/value.h>

#include <memory>
#include <string>

class LocalText {
public:
    // Reads "config.conf" through the engine's search paths on first use.
    static LocalText& instance();

    // "" for the reserved keys "key"/"KEY", a missing key or language, or a file that does not parse.
    std::string text(const std::string& key, bool english = false) const;

    // Replaces the held file content (the loader, and tests).
    void setContent(std::string content);

private:
    LocalText() = default;

    std::string m_content;
    // Parsed once on the first lookup; null when the content does not parse.
    mutable std::shared_ptr<const Json::Value> m_parsed;
    mutable bool m_parseTried = false;
};

#include "app/LocalText.h"

#include "app/ClientLog.h"
#include "app/ResourceFiles.h"

#include <json/reader.h>


LocalText& LocalText::instance() {
    static LocalText* text = [] {
        auto* created = new LocalText;
        created->setContent(ResourceFiles::readText("config.conf"));
        return created;
    }();
    return *text;
}

void LocalText::setContent(std::string content) {
    m_content = std::move(content);
    m_parsed.reset();
    m_parseTried = false;
}

std::string LocalText::text(const std::string& key, bool english) const {
    if (key == "key" || key == "KEY") {
        return "";
    }
    if (!m_parseTried) {
        m_parseTried = true;
        Json::CharReaderBuilder builder;
        builder["allowComments"] = true;
        auto reader = std::unique_ptr<Json::CharReader>(builder.newCharReader());
        auto value = std::make_shared<Json::Value>();
        std::string errors;
        if (!m_content.empty() &&
            reader->parse(m_content.data(), m_content.data() + m_content.size(), value.get(), &errors) &&
            value->isObject()) {
            m_parsed = value;
        } else if (!m_content.empty()) {
            ClientLog::write("LocalText: config.conf does not parse: %s", errors.c_str());
        }
    }
    if (!m_parsed) {
        return "";
    }
    const Json::Value* entry = m_parsed->find(key.data(), key.data() + key.size());
    if (entry == nullptr || !entry->isObject()) {
        return "";
    }
    const char* language = english ? "english" : "chinese";
    const Json::Value* value = entry->find(language, language + std::char_traits<char>::length(language));
    if (value == nullptr || !value->isString()) {
        return "";
    }
    return value->asString();
}

// Typed, forgiving access to the members of one JSON object of an editor file.
//
// Editor exports are full of nulls (absent values) and the odd hand edit; a member of the wrong type
// is logged with the file and the member's path and read as the default, so one bad member never
// loses the whole file.
#pragma once

#include <json/json.h>

#include <string>

namespace cocos2d::extension {

// Parses text (UTF-8 BOM, // and /* */ comments allowed). Logs "file: reason" and returns false on failure.
bool parseEditorJson(const std::string& text, const std::string& file, Json::Value& out);

class JsonFields {
public:
    JsonFields(const Json::Value& object, const std::string& file, std::string where);

    bool has(const char* key) const;
    float number(const char* key, float fallback) const;
    int integer(const char* key, int fallback) const;
    bool boolean(const char* key, bool fallback) const;
    std::string string(const char* key, const std::string& fallback = {}) const;
    // Null when absent, null or not of that kind (the latter logged).
    const Json::Value* object(const char* key) const;
    const Json::Value* array(const char* key) const;
    // The member as it is (null when absent or JSON null), for members that come in several shapes.
    const Json::Value* raw(const char* key) const { return member(key); }

    const std::string& file() const { return m_file; }
    std::string path(const char* key) const { return m_where.empty() ? key : m_where + "." + key; }
    void complain(const char* key, const char* expected) const;

private:
    const Json::Value* member(const char* key) const;

    const Json::Value& m_object;
    const std::string& m_file;
    std::string m_where;
};

} // namespace cocos2d::extension

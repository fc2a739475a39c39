#include "JsonFields.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>

#include "base/CCConsole.h"

namespace cocos2d::extension {

bool parseEditorJson(const std::string& text, const std::string& file, Json::Value& out)
{
    std::size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    Json::CharReaderBuilder builder;
    builder["allowComments"] = true;
    builder["collectComments"] = false;
    builder["stackLimit"] = 200; // hostile nesting must not exhaust the stack
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    std::string errors;
    const char* begin = text.data() + start;
    bool parsed = false;
    try {
        parsed = reader->parse(begin, text.data() + text.size(), &out, &errors);
    } catch (const Json::Exception& e) {
        // jsoncpp throws, rather than failing, on nesting deeper than the stack limit.
        errors = e.what();
    }
    if (!parsed) {
        std::string first = errors.substr(0, errors.find('\n'));
        CCLog("%s: not valid JSON (%s)", file.c_str(), first.c_str());
        return false;
    }
    if (!out.isObject()) {
        CCLog("%s: the top level is not a JSON object", file.c_str());
        return false;
    }
    return true;
}

JsonFields::JsonFields(const Json::Value& object, const std::string& file, std::string where)
    : m_object(object), m_file(file), m_where(std::move(where))
{
}

const Json::Value* JsonFields::member(const char* key) const
{
    if (!m_object.isObject())
        return nullptr;
    const Json::Value* value = m_object.find(key, key + std::char_traits<char>::length(key));
    if (!value || value->isNull())
        return nullptr;
    return value;
}

void JsonFields::complain(const char* key, const char* expected) const
{
    CCLog("%s: member \"%s\" is not %s, using the default", m_file.c_str(), path(key).c_str(), expected);
}

bool JsonFields::has(const char* key) const { return member(key) != nullptr; }

float JsonFields::number(const char* key, float fallback) const
{
    const Json::Value* value = member(key);
    if (!value)
        return fallback;
    double result = 0;
    if (value->isNumeric() || value->isBool()) {
        result = value->isBool() ? (value->asBool() ? 1.0 : 0.0) : value->asDouble();
    } else if (value->isString()) {
        std::string text = value->asString();
        char* end = nullptr;
        result = std::strtod(text.c_str(), &end);
        if (text.empty() || *end != '\0') {
            complain(key, "a number");
            return fallback;
        }
    } else {
        complain(key, "a number");
        return fallback;
    }
    if (!std::isfinite(result) || std::fabs(result) > std::numeric_limits<float>::max())
        return fallback;
    return static_cast<float>(result);
}

int JsonFields::integer(const char* key, int fallback) const
{
    if (!has(key))
        return fallback;
    float value = number(key, static_cast<float>(fallback));
    if (value >= static_cast<float>(std::numeric_limits<int>::max()) ||
        value <= static_cast<float>(std::numeric_limits<int>::min()))
        return fallback;
    return static_cast<int>(value);
}

bool JsonFields::boolean(const char* key, bool fallback) const
{
    const Json::Value* value = member(key);
    if (!value)
        return fallback;
    if (value->isBool())
        return value->asBool();
    if (value->isNumeric())
        return value->asDouble() != 0.0;
    if (value->isString()) {
        std::string text = value->asString();
        if (text == "true" || text == "1")
            return true;
        if (text == "false" || text == "0")
            return false;
    }
    complain(key, "a boolean");
    return fallback;
}

std::string JsonFields::string(const char* key, const std::string& fallback) const
{
    const Json::Value* value = member(key);
    if (!value)
        return fallback;
    if (value->isString())
        return value->asString();
    if (value->isNumeric() || value->isBool())
        return value->asString();
    complain(key, "a string");
    return fallback;
}

const Json::Value* JsonFields::object(const char* key) const
{
    const Json::Value* value = member(key);
    if (!value)
        return nullptr;
    if (!value->isObject()) {
        complain(key, "an object");
        return nullptr;
    }
    return value;
}

const Json::Value* JsonFields::array(const char* key) const
{
    const Json::Value* value = member(key);
    if (!value)
        return nullptr;
    if (!value->isArray()) {
        complain(key, "an array");
        return nullptr;
    }
    return value;
}

} // namespace cocos2d::extension

#include "net/JsonRead.h"

#include "app/ClientLog.h"

#include <json/reader.h>
#include <json/writer.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

const Json::Value& nullValue() {
    static const Json::Value value;
    return value;
}

const Json::Value& emptyArray() {
    static const Json::Value value(Json::arrayValue);
    return value;
}

int saturate(double real) {
    if (std::isnan(real)) return 0;
    if (real >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (real <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(real);
}

} // namespace

bool JsonRead::parse(std::string_view text, Json::Value& value, std::string* errors) {
    Json::CharReaderBuilder builder;
    builder["allowComments"] = true;
    builder["collectComments"] = false;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    std::string message;
    value = Json::Value();
    if (text.empty()) {
        if (errors) *errors = "empty text";
        return false;
    }
    bool ok = false;
    try {
        ok = reader->parse(text.data(), text.data() + text.size(), &value, &message);
    } catch (const Json::Exception& e) {
        // jsoncpp throws, rather than failing, on nesting deeper than its stack limit.
        message = e.what();
    }
    if (!ok) {
        value = Json::Value();
    }
    if (errors) *errors = message;
    return ok;
}

std::string JsonRead::compact(const Json::Value& value) {
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    builder["emitUTF8"] = true;
    return Json::writeString(builder, value) + "\n";
}

const Json::Value& JsonRead::member(const Json::Value& object, const char* key) {
    if (!object.isObject()) {
        return nullValue();
    }
    const Json::Value* found = object.find(key, key + std::char_traits<char>::length(key));
    return found ? *found : nullValue();
}

int JsonRead::toInt(const Json::Value& value, const char* context) {
    if (value.isInt()) return value.asInt();
    if (value.isNull()) return 0;
    if (value.isBool()) return value.asBool() ? 1 : 0;
    if (value.isInt64()) return saturate(static_cast<double>(value.asInt64()));
    if (value.isUInt64()) return saturate(static_cast<double>(value.asUInt64()));
    if (value.isDouble()) return saturate(value.asDouble());
    ClientLog::write("answer member %s is not a number; read as 0", context ? context : "(item)");
    return 0;
}

int JsonRead::intOf(const Json::Value& object, const char* key) { return toInt(member(object, key), key); }

double JsonRead::realOf(const Json::Value& object, const char* key) {
    const Json::Value& value = member(object, key);
    if (value.isNumeric()) return value.asDouble();
    if (value.isNull()) return 0.0;
    if (value.isBool()) return value.asBool() ? 1.0 : 0.0;
    ClientLog::write("answer member %s is not a number; read as 0", key);
    return 0.0;
}

std::string JsonRead::toText(const Json::Value& value, const char* context) {
    if (value.isString()) return value.asString();
    if (value.isNull()) return "";
    if (value.isNumeric() || value.isBool()) return value.asString();
    ClientLog::write("answer member %s is not a text; read as \"\"", context ? context : "(item)");
    return "";
}

std::string JsonRead::textOf(const Json::Value& object, const char* key) { return toText(member(object, key), key); }

const Json::Value& JsonRead::arrayOf(const Json::Value& object, const char* key) {
    const Json::Value& value = member(object, key);
    return value.isArray() ? value : emptyArray();
}

bool JsonRead::has(const Json::Value& object, const char* key) { return !member(object, key).isNull(); }

// Tolerant reading of answer members. A missing member reads as 0, 0.0 or ""; a member of the wrong
// type reads the same and is logged. jsoncpp's own accessors throw on wrong types, so every parser
// goes through these.
#pragma once

#include <json/value.h>

#include <string>
#include <string_view>

class JsonRead {
public:
    // Comments allowed. False (and value null) when the text is not JSON.
    static bool parse(std::string_view text, Json::Value& value, std::string* errors = nullptr);

    // Compact form: no spaces, one trailing newline.
    static std::string compact(const Json::Value& value);

    // The member of an object, or null for a missing member or a non-object.
    static const Json::Value& member(const Json::Value& object, const char* key);

    // Integers as they are; reals truncated (saturating at the int32 range); booleans as 0 or 1.
    static int toInt(const Json::Value& value, const char* context = nullptr);
    static int intOf(const Json::Value& object, const char* key);
    static double realOf(const Json::Value& object, const char* key);
    // Strings as they are; numbers and booleans in jsoncpp's text form.
    static std::string textOf(const Json::Value& object, const char* key);
    static std::string toText(const Json::Value& value, const char* context = nullptr);
    // An array member, or an empty array when missing or of another type.
    static const Json::Value& arrayOf(const Json::Value& object, const char* key);
    static bool has(const Json::Value& object, const char* key);
};

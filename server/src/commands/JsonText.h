// Compact JSON in and out, with one reader and one writer per thread (building them is the slow
// part of jsoncpp). Texts stay UTF-8 on the way out: the notices are Chinese.
#pragma once

#include <json/value.h>

#include <string>
#include <string_view>

namespace server {

class JsonText {
public:
    // false and a reason when the text is not one JSON value.
    static bool parse(std::string_view text, Json::Value& out, std::string& error);
    static std::string write(const Json::Value& value);
};

} // namespace server

#pragma once
// Stable JSON text: members sorted by name (JsonCpp keeps objects ordered), two-space
// indentation, UTF-8 written as is, one trailing newline.

#include <json/value.h>
#include <string>

namespace brindle::assets {

std::string toStableJson(const Json::Value& value);
// Parses JSON (comments allowed); throws std::runtime_error with JsonCpp's message.
Json::Value parseJson(const std::string& text, const std::string& what);

} // namespace brindle::assets

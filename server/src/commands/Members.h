// Reading request members the forgiving way: a missing or mistyped member reads as 0 or "",
// like the client's own parsers, so a hostile request cannot make a handler throw.
#pragma once

#include <json/value.h>

#include <cstdint>
#include <optional>
#include <string>

namespace server {

class Members {
public:
    static int integer(const Json::Value& request, const char* name, int fallback = 0);
    static double real(const Json::Value& request, const char* name);
    // Strict: a JSON whole number or a text of decimal digits (an optional "-" first) that fits
    // an int; nullopt for anything else (fractions, words, "12abc", out of range, missing).
    static std::optional<int> wholeNumber(const Json::Value& request, const char* name);
    // The value as a short description for a refusal's log line.
    static std::string describe(const Json::Value& request, const char* name);
    static std::string text(const Json::Value& request, const char* name, std::size_t maxBytes = 256);
};

} // namespace server

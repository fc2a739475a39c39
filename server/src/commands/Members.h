// Reading request members the forgiving way: a missing or mistyped member reads as 0 or "",
// like the client's own parsers, so a hostile request cannot make a handler throw.
#pragma once

#include <json/value.h>

#include <cstdint>
#include <string>

namespace server {

class Members {
public:
    static int integer(const Json::Value& request, const char* name, int fallback = 0);
    static double real(const Json::Value& request, const char* name);
    static std::string text(const Json::Value& request, const char* name, std::size_t maxBytes = 256);
};

} // namespace server

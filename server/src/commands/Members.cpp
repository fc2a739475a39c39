#include "commands/Members.h"

#include <cmath>
#include <limits>

namespace server {

int Members::integer(const Json::Value& request, const char* name, int fallback) {
    const Json::Value& v = request.isObject() ? request[name] : Json::Value::nullSingleton();
    if (v.isInt()) {
        return v.asInt();
    }
    if (v.isDouble()) {
        const double d = v.asDouble();
        if (std::isfinite(d) && d > std::numeric_limits<int>::min() && d < std::numeric_limits<int>::max()) {
            return static_cast<int>(d);
        }
        return fallback;
    }
    if (v.isString()) {
        try {
            return std::stoi(v.asString());
        } catch (const std::exception&) {
            return fallback;
        }
    }
    return fallback;
}

double Members::real(const Json::Value& request, const char* name) {
    const Json::Value& v = request.isObject() ? request[name] : Json::Value::nullSingleton();
    if (v.isNumeric()) {
        const double d = v.asDouble();
        return std::isfinite(d) ? d : 0.0;
    }
    return 0.0;
}

std::string Members::text(const Json::Value& request, const char* name, std::size_t maxBytes) {
    const Json::Value& v = request.isObject() ? request[name] : Json::Value::nullSingleton();
    if (!v.isString()) {
        return {};
    }
    std::string s = v.asString();
    if (s.size() > maxBytes) {
        // Cut at a character boundary so a stored text stays valid UTF-8.
        std::size_t cut = maxBytes;
        while (cut > 0 && (static_cast<unsigned char>(s[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        s.resize(cut);
    }
    return s;
}

} // namespace server

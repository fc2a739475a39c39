#include "commands/Members.h"

#include <charconv>
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

std::optional<int> Members::wholeNumber(const Json::Value& request, const char* name) {
    const Json::Value& v = request.isObject() ? request[name] : Json::Value::nullSingleton();
    if (v.isInt()) {
        return v.asInt();
    }
    if (!v.isString()) {
        return std::nullopt; // null, truth values, fractions, numbers beyond an int, lists, objects
    }
    const std::string s = v.asString();
    int n = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (s.empty() || error != std::errc() || end != s.data() + s.size()) {
        return std::nullopt;
    }
    return n;
}

std::string Members::describe(const Json::Value& request, const char* name) {
    const Json::Value& v = request.isObject() ? request[name] : Json::Value::nullSingleton();
    if (v.isNull()) {
        return "missing";
    }
    if (v.isString()) {
        std::string s = v.asString();
        if (s.size() > 24) {
            s = s.substr(0, 24) + "...";
        }
        for (char& c : s) {
            c = static_cast<unsigned char>(c) < 0x20 ? '?' : c;
        }
        return "the text \"" + s + "\"";
    }
    if (v.isInt()) {
        return std::to_string(v.asInt());
    }
    if (v.isIntegral()) {
        return "a number beyond an int";
    }
    if (v.isDouble()) {
        return "a fraction";
    }
    if (v.isBool()) {
        return "a truth value";
    }
    return v.isArray() ? "a list" : "an object";
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

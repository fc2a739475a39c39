// A property list as read from an XML plist: the loaders (sprite frames, particles, animations) walk
// this tree; CCFileUtils turns it into CCDictionary / CCArray / CCString for the 2.2 API.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace cocos2d {

struct PlistEntry;

struct PlistValue {
    enum class Type { String, Integer, Real, Bool, Date, Data, Dict, Array };

    Type type = Type::String;
    std::string text; // scalars as written; bools as "true" / "false"
    std::vector<PlistEntry> entries; // Dict, in file order
    std::vector<PlistValue> items;                           // Array

    bool isDict() const { return type == Type::Dict; }
    bool isArray() const { return type == Type::Array; }
    // Dict look-up; null when absent or when this is not a dict.
    const PlistValue* find(const std::string& key) const;

    std::string asString() const { return text; }
    bool asBool() const; // "true" or a non-zero number
    int asInt() const;
    double asDouble() const;
};

struct PlistEntry {
    std::string first; // key
    PlistValue second; // value
};

// Parses XML plist text. On failure returns false and says why in error; out is then unspecified.
bool parsePlist(const char* data, std::size_t size, PlistValue& out, std::string& error);

} // namespace cocos2d

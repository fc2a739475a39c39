#include "support/PlistValue.h"

#include <tinyxml.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace cocos2d {

namespace {

constexpr int kMaxDepth = 200;

// TinyXML recurses per element; refuse absurd nesting before it can exhaust the stack.
bool nestingTooDeep(const char* data, std::size_t size)
{
    int depth = 0;
    for (std::size_t i = 0; i + 1 < size; ++i) {
        if (data[i] != '<')
            continue;
        const char next = data[i + 1];
        if (next == '/')
            --depth;
        else if (next != '?' && next != '!')
            ++depth;
        if (depth > kMaxDepth * 2)
            return true;
    }
    return false;
}

PlistValue readNode(const TiXmlElement* e, int depth);

PlistValue readDict(const TiXmlElement* e, int depth)
{
    PlistValue v;
    v.type = PlistValue::Type::Dict;
    for (const TiXmlElement* c = e->FirstChildElement(); c; c = c->NextSiblingElement()) {
        if (std::strcmp(c->Value(), "key") != 0)
            throw std::runtime_error("dict entry without <key>");
        const char* key = c->GetText();
        c = c->NextSiblingElement();
        if (!c)
            throw std::runtime_error(std::string("no value for key ") + (key ? key : ""));
        v.entries.push_back(PlistEntry{key ? key : "", readNode(c, depth + 1)});
    }
    return v;
}

PlistValue readNode(const TiXmlElement* e, int depth)
{
    if (depth > kMaxDepth)
        throw std::runtime_error("nested too deeply");
    const std::string tag = e->Value();
    PlistValue v;
    const char* text = e->GetText();
    v.text = text ? text : "";
    if (tag == "dict")
        return readDict(e, depth);
    if (tag == "array") {
        v.type = PlistValue::Type::Array;
        v.text.clear();
        for (const TiXmlElement* c = e->FirstChildElement(); c; c = c->NextSiblingElement())
            v.items.push_back(readNode(c, depth + 1));
    } else if (tag == "string") {
        v.type = PlistValue::Type::String;
    } else if (tag == "integer") {
        v.type = PlistValue::Type::Integer;
    } else if (tag == "real") {
        v.type = PlistValue::Type::Real;
    } else if (tag == "true" || tag == "false") {
        v.type = PlistValue::Type::Bool;
        v.text = tag;
    } else if (tag == "date") {
        v.type = PlistValue::Type::Date;
    } else if (tag == "data") {
        v.type = PlistValue::Type::Data;
    } else {
        throw std::runtime_error("unknown element <" + tag + ">");
    }
    return v;
}

} // namespace

const PlistValue* PlistValue::find(const std::string& key) const
{
    for (const auto& [k, v] : entries)
        if (k == key)
            return &v;
    return nullptr;
}

bool PlistValue::asBool() const
{
    if (text == "true")
        return true;
    if (text == "false")
        return false;
    return std::atof(text.c_str()) != 0.0;
}

int PlistValue::asInt() const
{
    return std::atoi(text.c_str());
}

double PlistValue::asDouble() const
{
    return std::atof(text.c_str());
}

bool parsePlist(const char* data, std::size_t size, PlistValue& out, std::string& error)
{
    if (!data || size == 0) {
        error = "empty file";
        return false;
    }
    if (nestingTooDeep(data, size)) {
        error = "nested too deeply";
        return false;
    }
    // TinyXML wants a terminated string. It also steps over a whole UTF-8 sequence when it meets a lead
    // byte, so a file cut inside a character made it walk past the terminator: a few more zero bytes
    // stop it inside our buffer.
    std::string copy(data, size);
    copy.append(4, '\0');
    TiXmlDocument doc;
    doc.Parse(copy.c_str(), nullptr, TIXML_ENCODING_UTF8);
    if (doc.Error()) {
        error = std::string("XML error: ") + doc.ErrorDesc();
        return false;
    }
    const TiXmlElement* root = doc.RootElement();
    if (!root) {
        error = "no root element";
        return false;
    }
    // A bare <dict> root is accepted as well as the usual <plist> wrapper.
    const TiXmlElement* top = std::strcmp(root->Value(), "plist") == 0 ? root->FirstChildElement() : root;
    if (!top) {
        error = "plist without a value";
        return false;
    }
    try {
        out = readNode(top, 0);
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
    return true;
}

} // namespace cocos2d

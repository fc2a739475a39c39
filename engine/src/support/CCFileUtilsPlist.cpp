// The plist half of CCFileUtils that builds the 2.2 containers: dicts and arrays as such, every
// scalar as a CCString (true/false as "1"/"0", numbers as written), like the 2.2 reader.
#include "base/CCArray.h"
#include "base/CCConsole.h"
#include "base/CCDictionary.h"
#include "base/CCString.h"
#include "support/CCFileUtils.h"

namespace cocos2d {

namespace {

CCObject* toObject(const PlistValue& v)
{
    if (v.isDict()) {
        CCDictionary* d = CCDictionary::create();
        for (const auto& [key, value] : v.entries)
            d->setObject(toObject(value), key);
        return d;
    }
    if (v.isArray()) {
        CCArray* a = CCArray::create();
        for (const PlistValue& item : v.items)
            a->addObject(toObject(item));
        return a;
    }
    if (v.type == PlistValue::Type::Bool)
        return CCString::create(v.text == "true" ? "1" : "0");
    return CCString::create(v.text);
}

} // namespace

CCDictionary* CCFileUtils::createCCDictionaryWithContentsOfFile(const std::string& filename)
{
    PlistValue root;
    if (!loadPlist(filename, root))
        return nullptr;
    if (!root.isDict()) {
        CCLog("plist %s does not hold a dictionary", filename.c_str());
        return nullptr;
    }
    return static_cast<CCDictionary*>(toObject(root));
}

CCArray* CCFileUtils::createCCArrayWithContentsOfFile(const std::string& filename)
{
    PlistValue root;
    if (!loadPlist(filename, root))
        return nullptr;
    if (!root.isArray()) {
        CCLog("plist %s does not hold an array", filename.c_str());
        return nullptr;
    }
    return static_cast<CCArray*>(toObject(root));
}

} // namespace cocos2d

#include "base/CCDictionary.h"

#include <cstdlib>

#include "base/CCConsole.h"
#include "base/CCInteger.h"

namespace cocos2d {

CCDictionary::~CCDictionary()
{
    removeAllObjects();
}

CCDictionary* CCDictionary::create()
{
    auto* dict = new CCDictionary();
    dict->autorelease();
    return dict;
}

CCDictionary* CCDictionary::createWithDictionary(CCDictionary* srcDict)
{
    if (!srcDict)
        return create();
    auto* copy = static_cast<CCDictionary*>(srcDict->copyWithZone(nullptr));
    copy->autorelease();
    return copy;
}

CCArray* CCDictionary::allKeys()
{
    CCArray* keys = CCArray::createWithCapacity(count());
    for (CCDictElement* e : m_elements) {
        if (m_eDictType == kCCDictStr)
            keys->addObject(CCString::create(e->m_strKey));
        else
            keys->addObject(CCInteger::create(static_cast<int>(e->m_intKey)));
    }
    return keys;
}

CCArray* CCDictionary::allKeysForObject(CCObject* object)
{
    CCArray* keys = CCArray::create();
    for (CCDictElement* e : m_elements) {
        if (e->m_object != object && !(object && e->m_object->isEqual(object)))
            continue;
        if (m_eDictType == kCCDictStr)
            keys->addObject(CCString::create(e->m_strKey));
        else
            keys->addObject(CCInteger::create(static_cast<int>(e->m_intKey)));
    }
    return keys;
}

CCDictElement* CCDictionary::find(const std::string& key) const
{
    auto it = m_byString.find(key);
    return it == m_byString.end() ? nullptr : it->second;
}

CCDictElement* CCDictionary::find(intptr_t key) const
{
    auto it = m_byInt.find(key);
    return it == m_byInt.end() ? nullptr : it->second;
}

CCObject* CCDictionary::objectForKey(const std::string& key)
{
    if (m_eDictType == kCCDictInt)
        return nullptr;
    CCDictElement* e = find(key);
    return e ? e->m_object : nullptr;
}

CCObject* CCDictionary::objectForKey(intptr_t key)
{
    if (m_eDictType == kCCDictStr)
        return nullptr;
    CCDictElement* e = find(key);
    return e ? e->m_object : nullptr;
}

namespace {
const CCString* stringOrEmpty(CCObject* object)
{
    if (auto* str = dynamic_cast<CCString*>(object))
        return str;
    return CCString::create("");
}
} // namespace

const CCString* CCDictionary::valueForKey(const std::string& key)
{
    return stringOrEmpty(objectForKey(key));
}

const CCString* CCDictionary::valueForKey(intptr_t key)
{
    return stringOrEmpty(objectForKey(key));
}

void CCDictionary::setObject(CCObject* object, const std::string& key)
{
    if (!object) {
        CCLog("CCDictionary::setObject: null object for key %s refused", key.c_str());
        return;
    }
    if (m_eDictType == kCCDictInt) {
        CCLog("CCDictionary::setObject: string key %s in an integer-keyed dictionary refused", key.c_str());
        return;
    }
    m_eDictType = kCCDictStr;
    object->retain();
    if (CCDictElement* e = find(key)) {
        e->m_object->release();
        e->m_object = object;
        return;
    }
    auto* e = new CCDictElement();
    e->m_strKey = key;
    e->m_object = object;
    m_elements.push_back(e);
    m_byString[key] = e;
}

void CCDictionary::setObject(CCObject* object, intptr_t key)
{
    if (!object) {
        CCLog("CCDictionary::setObject: null object for key %ld refused", static_cast<long>(key));
        return;
    }
    if (m_eDictType == kCCDictStr) {
        CCLog("CCDictionary::setObject: integer key %ld in a string-keyed dictionary refused", static_cast<long>(key));
        return;
    }
    m_eDictType = kCCDictInt;
    object->retain();
    if (CCDictElement* e = find(key)) {
        e->m_object->release();
        e->m_object = object;
        return;
    }
    auto* e = new CCDictElement();
    e->m_intKey = key;
    e->m_object = object;
    m_elements.push_back(e);
    m_byInt[key] = e;
}

void CCDictionary::eraseAt(std::size_t index)
{
    CCDictElement* e = m_elements[index];
    m_elements.erase(m_elements.begin() + static_cast<std::ptrdiff_t>(index));
    if (m_eDictType == kCCDictStr)
        m_byString.erase(e->m_strKey);
    else
        m_byInt.erase(e->m_intKey);
    CCObject* object = e->m_object;
    delete e;
    object->release();
}

void CCDictionary::removeObjectForKey(const std::string& key)
{
    for (std::size_t i = 0; i < m_elements.size(); ++i)
        if (m_eDictType == kCCDictStr && m_elements[i]->m_strKey == key) {
            eraseAt(i);
            return;
        }
}

void CCDictionary::removeObjectForKey(intptr_t key)
{
    for (std::size_t i = 0; i < m_elements.size(); ++i)
        if (m_eDictType == kCCDictInt && m_elements[i]->m_intKey == key) {
            eraseAt(i);
            return;
        }
}

void CCDictionary::removeObjectsForKeys(CCArray* keyArray)
{
    if (!keyArray)
        return;
    for (CCObject* key : *keyArray) {
        if (auto* str = dynamic_cast<CCString*>(key))
            removeObjectForKey(str->m_sString);
        else if (auto* num = dynamic_cast<CCInteger*>(key))
            removeObjectForKey(static_cast<intptr_t>(num->getValue()));
    }
}

void CCDictionary::removeObjectForElememt(CCDictElement* element)
{
    for (std::size_t i = 0; i < m_elements.size(); ++i)
        if (m_elements[i] == element) {
            eraseAt(i);
            return;
        }
}

void CCDictionary::removeAllObjects()
{
    std::vector<CCDictElement*> elements;
    elements.swap(m_elements);
    m_byString.clear();
    m_byInt.clear();
    for (CCDictElement* e : elements) {
        CCObject* object = e->m_object;
        delete e;
        object->release();
    }
    m_eDictType = kCCDictUnknown;
}

CCObject* CCDictionary::randomObject()
{
    if (m_elements.empty())
        return nullptr;
    return m_elements[static_cast<std::size_t>(std::rand()) % m_elements.size()]->m_object;
}

CCObject* CCDictionary::copyWithZone(CCZone* zone)
{
    CC_UNUSED_PARAM(zone);
    auto* dict = new CCDictionary();
    for (CCDictElement* e : m_elements) {
        CCObject* copy = e->m_object->copy();
        CCObject* value = copy ? copy : e->m_object; // uncopyable values are shared
        if (m_eDictType == kCCDictStr)
            dict->setObject(value, e->m_strKey);
        else
            dict->setObject(value, e->m_intKey);
        if (copy)
            copy->release();
    }
    return dict;
}

} // namespace cocos2d

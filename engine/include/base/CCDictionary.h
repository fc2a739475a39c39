// Dictionary with either string or integer keys (not both), retaining its values. Iteration order
// is insertion order.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/CCArray.h"
#include "base/CCString.h"

namespace cocos2d {

class CCDictElement {
public:
    const char* getStrKey() const { return m_strKey.c_str(); }
    intptr_t getIntKey() const { return m_intKey; }
    CCObject* getObject() const { return m_object; }

private:
    friend class CCDictionary;
    std::string m_strKey;
    intptr_t m_intKey = 0;
    CCObject* m_object = nullptr;
};

class CCDictionary : public CCObject {
public:
    enum CCDictType { kCCDictUnknown = 0, kCCDictStr, kCCDictInt };

    CCDictionary() = default;
    ~CCDictionary() override;

    static CCDictionary* create();
    static CCDictionary* createWithDictionary(CCDictionary* srcDict);

    unsigned int count() const { return static_cast<unsigned int>(m_elements.size()); }
    // Keys as CCString (string dictionaries) or CCInteger (integer ones); autoreleased.
    CCArray* allKeys();
    CCArray* allKeysForObject(CCObject* object);

    CCObject* objectForKey(const std::string& key);
    CCObject* objectForKey(intptr_t key);
    // An empty CCString when absent or not a string.
    const CCString* valueForKey(const std::string& key);
    const CCString* valueForKey(intptr_t key);

    // Replaces (and releases) any previous value of that key. Mixing key kinds is refused (logged).
    void setObject(CCObject* object, const std::string& key);
    void setObject(CCObject* object, intptr_t key);
    void removeObjectForKey(const std::string& key);
    void removeObjectForKey(intptr_t key);
    void removeObjectsForKeys(CCArray* keyArray);
    void removeObjectForElememt(CCDictElement* element);
    void removeAllObjects();
    CCObject* randomObject();

    CCObject* copyWithZone(CCZone* zone) override;

    // For CCDICT_FOREACH.
    CCDictElement* elementAt(unsigned int index) const
    {
        return index < m_elements.size() ? m_elements[index] : nullptr;
    }

    CCDictType m_eDictType = kCCDictUnknown;

private:
    CCDictElement* find(const std::string& key) const;
    CCDictElement* find(intptr_t key) const;
    void eraseAt(std::size_t index);

    std::vector<CCDictElement*> m_elements;
    std::unordered_map<std::string, CCDictElement*> m_byString;
    std::unordered_map<intptr_t, CCDictElement*> m_byInt;
};

#define CCDICT_FOREACH(__dict__, __el__)                                                             \
    if (__dict__)                                                                                    \
        for (unsigned int __cc_didx = 0;                                                             \
             __cc_didx < (__dict__)->count() && (((__el__) = (__dict__)->elementAt(__cc_didx)), true); \
             ++__cc_didx)

} // namespace cocos2d

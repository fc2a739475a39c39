// Ordered array that retains what it holds.
#pragma once

#include <vector>

#include "base/CCObject.h"

namespace cocos2d {

class CCArray : public CCObject {
public:
    static CCArray* create();
    // Null-terminated list of objects.
    static CCArray* create(CCObject* object, ...);
    static CCArray* createWithObject(CCObject* object);
    static CCArray* createWithCapacity(unsigned int capacity);
    static CCArray* createWithArray(CCArray* otherArray);

    bool init() { return true; }
    bool initWithCapacity(unsigned int capacity);
    bool initWithArray(CCArray* otherArray);
    ~CCArray() override;

    unsigned int count() const { return static_cast<unsigned int>(m_items.size()); }
    unsigned int capacity() const { return static_cast<unsigned int>(m_items.capacity()); }
    // UINT_MAX (CC_INVALID_INDEX) when absent.
    unsigned int indexOfObject(CCObject* object) const;
    // Null for an index out of range (logged).
    CCObject* objectAtIndex(unsigned int index) const;
    CCObject* lastObject() const { return m_items.empty() ? nullptr : m_items.back(); }
    CCObject* randomObject() const;
    bool containsObject(CCObject* object) const;
    bool isEqualToArray(CCArray* otherArray) const;

    void addObject(CCObject* object);
    void addObjectsFromArray(CCArray* otherArray);
    void insertObject(CCObject* object, unsigned int index);
    void removeLastObject(bool releaseObj = true);
    // First occurrence only.
    void removeObject(CCObject* object, bool releaseObj = true);
    void removeObjectAtIndex(unsigned int index, bool releaseObj = true);
    void removeObjectsInArray(CCArray* otherArray);
    void removeAllObjects();
    void fastRemoveObject(CCObject* object);
    void fastRemoveObjectAtIndex(unsigned int index);
    void exchangeObject(CCObject* object1, CCObject* object2);
    void exchangeObjectAtIndex(unsigned int index1, unsigned int index2);
    void replaceObjectAtIndex(unsigned int index, CCObject* object, bool releaseObject = true);
    void reverseObjects();
    void reduceMemoryFootprint() { m_items.shrink_to_fit(); }

    CCObject* copyWithZone(CCZone* zone) override;

    // Range-for support (our addition).
    std::vector<CCObject*>::const_iterator begin() const { return m_items.begin(); }
    std::vector<CCObject*>::const_iterator end() const { return m_items.end(); }
    const std::vector<CCObject*>& items() const { return m_items; }
    // Sort in place with a strict-weak "less" on the stored objects, stable.
    template <typename Less> void stableSort(Less less);

private:
    std::vector<CCObject*> m_items;
};

template <typename Less> void CCArray::stableSort(Less less)
{
    // insertion sort: stable, and children arrays are small and nearly sorted
    for (std::size_t i = 1; i < m_items.size(); ++i) {
        CCObject* item = m_items[i];
        std::size_t j = i;
        while (j > 0 && less(item, m_items[j - 1])) {
            m_items[j] = m_items[j - 1];
            --j;
        }
        m_items[j] = item;
    }
}

#define CC_INVALID_INDEX 0xffffffff

// Iterates by index; the array may shrink inside the body (the loop re-checks the count).
#define CCARRAY_FOREACH(__array__, __object__)                                                         \
    if ((__array__) && (__array__)->count() > 0)                                                       \
        for (unsigned int __cc_idx = 0;                                                                \
             __cc_idx < (__array__)->count() && (((__object__) = (__array__)->objectAtIndex(__cc_idx)), true); \
             ++__cc_idx)

#define CCARRAY_FOREACH_REVERSE(__array__, __object__)                                                \
    if ((__array__) && (__array__)->count() > 0)                                                      \
        for (unsigned int __cc_ridx = (__array__)->count(); __cc_ridx-- > 0 &&                        \
             (((__object__) = (__array__)->objectAtIndex(__cc_ridx)), true);)

} // namespace cocos2d

// Set of objects (retained) in insertion order; used for the touches of one event.
#pragma once

#include <vector>

#include "base/CCObject.h"

namespace cocos2d {

typedef std::vector<CCObject*>::iterator CCSetIterator;

class CCSet : public CCObject {
public:
    CCSet() = default;
    ~CCSet() override;
    static CCSet* create();

    CCSet* copy();
    CCSet* mutableCopy() { return copy(); }
    int count() const { return static_cast<int>(m_items.size()); }
    void addObject(CCObject* object);
    void removeObject(CCObject* object);
    void removeAllObjects();
    bool containsObject(CCObject* object) const;
    CCSetIterator begin() { return m_items.begin(); }
    CCSetIterator end() { return m_items.end(); }
    CCObject* anyObject() { return m_items.empty() ? nullptr : m_items.front(); }

private:
    std::vector<CCObject*> m_items;
};

} // namespace cocos2d

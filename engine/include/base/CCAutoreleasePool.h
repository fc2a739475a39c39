// Autorelease pools. The director drains the current pool once per frame, after drawing.
#pragma once

#include <vector>

#include "base/CCObject.h"

namespace cocos2d {

class CCAutoreleasePool : public CCObject {
public:
    // One entry per autorelease() call; the entry owns one reference.
    void addObject(CCObject* object);
    // Drops every entry of this object without releasing it (2.2 semantics).
    void removeObject(CCObject* object);
    // Releases every entry once. Objects autoreleased while draining stay for the next drain.
    void clear();
    std::size_t count() const { return m_objects.size(); }

private:
    std::vector<CCObject*> m_objects;
};

class CCPoolManager {
public:
    static CCPoolManager* sharedPoolManager();
    static void purgePoolManager();

    // The frame drain: clears the current pool (the pool itself stays).
    void pop();
    // Nested pools for code that wants an inner scope; finalize drains them all.
    void push();
    void finalize();
    void removeObject(CCObject* object);
    void addObject(CCObject* object);
    CCAutoreleasePool* getCurReleasePool();
    // Entries waiting in the current pool (tests).
    std::size_t pendingCount();

    ~CCPoolManager();

private:
    CCPoolManager();
    std::vector<CCAutoreleasePool*> m_pools;
};

} // namespace cocos2d

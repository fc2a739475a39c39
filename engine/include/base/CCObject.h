// Reference-counted base of every engine object, and the selector types of the 2.2 API.
//
// A new object has count 1. autorelease() hands that reference to the current pool, which releases
// it once at the end of the frame (see CCAutoreleasePool). Calling it twice gives two releases.
#pragma once

#include "base/ccMacros.h"

namespace cocos2d {

class CCNode;
class CCEvent;
class CCObject;

// Only here for 2.2 signatures; copies ignore it.
class CCZone {
public:
    explicit CCZone(CCObject* object = nullptr) : m_pCopyObject(object) {}
    CCObject* m_pCopyObject;
};

class CCCopying {
public:
    virtual ~CCCopying() = default;
    virtual CCObject* copyWithZone(CCZone* zone);
};

class CCObject : public CCCopying {
public:
    CCObject();
    virtual ~CCObject();
    CCObject(const CCObject&) = delete;
    CCObject& operator=(const CCObject&) = delete;

    void release();
    void retain();
    CCObject* autorelease();
    // A retained copy (count 1, not autoreleased), made by copyWithZone.
    CCObject* copy();
    bool isSingleReference() const { return m_uReference == 1; }
    unsigned int retainCount() const { return m_uReference; }
    virtual bool isEqual(const CCObject* object) { return this == object; }

    // Called by the scheduler for objects scheduled with scheduleUpdateForTarget.
    virtual void update(float dt) { CC_UNUSED_PARAM(dt); }

    // Unique per object, in creation order.
    unsigned int m_uID;
    int m_nLuaID = 0;

protected:
    friend class CCAutoreleasePool;
    unsigned int m_uReference = 1;
    unsigned int m_uAutoReleaseCount = 0;
};

typedef void (CCObject::*SEL_SCHEDULE)(float);
typedef void (CCObject::*SEL_CallFunc)();
typedef void (CCObject::*SEL_CallFuncN)(CCNode*);
typedef void (CCObject::*SEL_CallFuncND)(CCNode*, void*);
typedef void (CCObject::*SEL_CallFuncO)(CCObject*);
typedef void (CCObject::*SEL_CallFuncI)(int);
typedef void (CCObject::*SEL_MenuHandler)(CCObject*);
typedef void (CCObject::*SEL_EventHandler)(CCEvent*);
typedef int (CCObject::*SEL_Compare)(CCObject*);

#define schedule_selector(_SELECTOR) (::cocos2d::SEL_SCHEDULE)(&_SELECTOR)
#define callfunc_selector(_SELECTOR) (::cocos2d::SEL_CallFunc)(&_SELECTOR)
#define callfuncN_selector(_SELECTOR) (::cocos2d::SEL_CallFuncN)(&_SELECTOR)
#define callfuncND_selector(_SELECTOR) (::cocos2d::SEL_CallFuncND)(&_SELECTOR)
#define callfuncO_selector(_SELECTOR) (::cocos2d::SEL_CallFuncO)(&_SELECTOR)
#define callfuncI_selector(_SELECTOR) (::cocos2d::SEL_CallFuncI)(&_SELECTOR)
#define menu_selector(_SELECTOR) (::cocos2d::SEL_MenuHandler)(&_SELECTOR)
#define event_selector(_SELECTOR) (::cocos2d::SEL_EventHandler)(&_SELECTOR)
#define compare_selector(_SELECTOR) (::cocos2d::SEL_Compare)(&_SELECTOR)

} // namespace cocos2d

#include "base/CCObject.h"

#include "base/CCAutoreleasePool.h"
#include "base/CCConsole.h"

namespace cocos2d {

namespace {
unsigned int g_nextObjectId = 0;
}

CCObject* CCCopying::copyWithZone(CCZone* zone)
{
    CC_UNUSED_PARAM(zone);
    CCLog("copyWithZone: this class cannot be copied");
    return nullptr;
}

CCObject::CCObject() : m_uID(++g_nextObjectId) {}

CCObject::~CCObject()
{
    // An object deleted while the pool still owns entries of it would be released again later.
    if (m_uAutoReleaseCount > 0)
        CCPoolManager::sharedPoolManager()->removeObject(this);
}

void CCObject::release()
{
    CCAssert(m_uReference > 0, "reference count should be greater than 0");
    if (m_uReference == 0)
        return;
    --m_uReference;
    if (m_uReference == 0)
        delete this;
}

void CCObject::retain()
{
    CCAssert(m_uReference > 0, "reference count should be greater than 0");
    ++m_uReference;
}

CCObject* CCObject::autorelease()
{
    CCPoolManager::sharedPoolManager()->addObject(this);
    ++m_uAutoReleaseCount;
    return this;
}

CCObject* CCObject::copy()
{
    return copyWithZone(nullptr);
}

} // namespace cocos2d

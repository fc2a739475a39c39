#include "base/CCAutoreleasePool.h"

#include <algorithm>

namespace cocos2d {

namespace {
CCPoolManager* g_poolManager = nullptr;
}

void CCAutoreleasePool::addObject(CCObject* object)
{
    m_objects.push_back(object);
}

void CCAutoreleasePool::removeObject(CCObject* object)
{
    m_objects.erase(std::remove(m_objects.begin(), m_objects.end(), object), m_objects.end());
}

void CCAutoreleasePool::clear()
{
    // Releasing may destroy objects whose destructors autorelease others: those land in the
    // fresh vector and wait for the next drain.
    std::vector<CCObject*> entries;
    entries.swap(m_objects);
    for (CCObject* object : entries) {
        if (object->m_uAutoReleaseCount > 0)
            --object->m_uAutoReleaseCount;
        object->release();
    }
}

CCPoolManager* CCPoolManager::sharedPoolManager()
{
    if (!g_poolManager)
        g_poolManager = new CCPoolManager();
    return g_poolManager;
}

void CCPoolManager::purgePoolManager()
{
    delete g_poolManager;
    g_poolManager = nullptr;
}

CCPoolManager::CCPoolManager()
{
    m_pools.push_back(new CCAutoreleasePool());
}

CCPoolManager::~CCPoolManager()
{
    finalize();
    for (CCAutoreleasePool* pool : m_pools)
        delete pool;
}

void CCPoolManager::finalize()
{
    for (CCAutoreleasePool* pool : m_pools)
        pool->clear();
}

void CCPoolManager::push()
{
    m_pools.push_back(new CCAutoreleasePool());
}

void CCPoolManager::pop()
{
    if (m_pools.size() > 1) {
        CCAutoreleasePool* pool = m_pools.back();
        pool->clear();
        m_pools.pop_back();
        delete pool;
        return;
    }
    m_pools.back()->clear();
}

void CCPoolManager::removeObject(CCObject* object)
{
    for (CCAutoreleasePool* pool : m_pools)
        pool->removeObject(object);
}

void CCPoolManager::addObject(CCObject* object)
{
    m_pools.back()->addObject(object);
}

CCAutoreleasePool* CCPoolManager::getCurReleasePool()
{
    return m_pools.back();
}

std::size_t CCPoolManager::pendingCount()
{
    return m_pools.back()->count();
}

} // namespace cocos2d

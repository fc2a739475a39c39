#include "base/CCArray.h"

#include <algorithm>
#include <cstdarg>
#include <cstdlib>

#include "base/CCConsole.h"

namespace cocos2d {

CCArray* CCArray::create()
{
    auto* array = new CCArray();
    array->autorelease();
    return array;
}

CCArray* CCArray::create(CCObject* object, ...)
{
    CCArray* array = create();
    if (!object)
        return array;
    array->addObject(object);
    va_list args;
    va_start(args, object);
    for (CCObject* next = va_arg(args, CCObject*); next; next = va_arg(args, CCObject*))
        array->addObject(next);
    va_end(args);
    return array;
}

CCArray* CCArray::createWithObject(CCObject* object)
{
    CCArray* array = create();
    array->addObject(object);
    return array;
}

CCArray* CCArray::createWithCapacity(unsigned int capacity)
{
    CCArray* array = create();
    array->initWithCapacity(capacity);
    return array;
}

CCArray* CCArray::createWithArray(CCArray* otherArray)
{
    CCArray* array = create();
    array->initWithArray(otherArray);
    return array;
}

bool CCArray::initWithCapacity(unsigned int capacity)
{
    removeAllObjects();
    m_items.reserve(capacity);
    return true;
}

bool CCArray::initWithArray(CCArray* otherArray)
{
    removeAllObjects();
    addObjectsFromArray(otherArray);
    return true;
}

CCArray::~CCArray()
{
    removeAllObjects();
}

unsigned int CCArray::indexOfObject(CCObject* object) const
{
    auto it = std::find(m_items.begin(), m_items.end(), object);
    return it == m_items.end() ? CC_INVALID_INDEX : static_cast<unsigned int>(it - m_items.begin());
}

CCObject* CCArray::objectAtIndex(unsigned int index) const
{
    if (index >= m_items.size()) {
        CCLog("CCArray::objectAtIndex: index %u out of range (count %u)", index, count());
        return nullptr;
    }
    return m_items[index];
}

CCObject* CCArray::randomObject() const
{
    if (m_items.empty())
        return nullptr;
    return m_items[static_cast<std::size_t>(std::rand()) % m_items.size()];
}

bool CCArray::containsObject(CCObject* object) const
{
    return indexOfObject(object) != CC_INVALID_INDEX;
}

bool CCArray::isEqualToArray(CCArray* other) const
{
    if (!other || other->count() != count())
        return false;
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (!m_items[i]->isEqual(other->m_items[i]))
            return false;
    return true;
}

void CCArray::addObject(CCObject* object)
{
    if (!object) {
        CCLog("CCArray::addObject: null object refused");
        return;
    }
    object->retain();
    m_items.push_back(object);
}

void CCArray::addObjectsFromArray(CCArray* otherArray)
{
    if (!otherArray)
        return;
    const std::vector<CCObject*> items = otherArray->m_items; // other may be this
    for (CCObject* object : items)
        addObject(object);
}

void CCArray::insertObject(CCObject* object, unsigned int index)
{
    if (!object) {
        CCLog("CCArray::insertObject: null object refused");
        return;
    }
    index = std::min<unsigned int>(index, count());
    object->retain();
    m_items.insert(m_items.begin() + index, object);
}

void CCArray::removeLastObject(bool releaseObj)
{
    if (m_items.empty())
        return;
    CCObject* object = m_items.back();
    m_items.pop_back();
    if (releaseObj)
        object->release();
}

void CCArray::removeObject(CCObject* object, bool releaseObj)
{
    unsigned int index = indexOfObject(object);
    if (index != CC_INVALID_INDEX)
        removeObjectAtIndex(index, releaseObj);
}

void CCArray::removeObjectAtIndex(unsigned int index, bool releaseObj)
{
    if (index >= m_items.size())
        return;
    CCObject* object = m_items[index];
    m_items.erase(m_items.begin() + index);
    if (releaseObj)
        object->release();
}

void CCArray::removeObjectsInArray(CCArray* otherArray)
{
    if (!otherArray)
        return;
    const std::vector<CCObject*> items = otherArray->m_items;
    for (CCObject* object : items)
        removeObject(object);
}

void CCArray::removeAllObjects()
{
    // Releasing may run destructors that look at this array again: empty it first.
    std::vector<CCObject*> items;
    items.swap(m_items);
    for (CCObject* object : items)
        object->release();
}

void CCArray::fastRemoveObject(CCObject* object)
{
    unsigned int index = indexOfObject(object);
    if (index != CC_INVALID_INDEX)
        fastRemoveObjectAtIndex(index);
}

void CCArray::fastRemoveObjectAtIndex(unsigned int index)
{
    if (index >= m_items.size())
        return;
    CCObject* object = m_items[index];
    m_items[index] = m_items.back();
    m_items.pop_back();
    object->release();
}

void CCArray::exchangeObject(CCObject* object1, CCObject* object2)
{
    unsigned int i1 = indexOfObject(object1), i2 = indexOfObject(object2);
    if (i1 != CC_INVALID_INDEX && i2 != CC_INVALID_INDEX)
        std::swap(m_items[i1], m_items[i2]);
}

void CCArray::exchangeObjectAtIndex(unsigned int index1, unsigned int index2)
{
    if (index1 < m_items.size() && index2 < m_items.size())
        std::swap(m_items[index1], m_items[index2]);
}

void CCArray::replaceObjectAtIndex(unsigned int index, CCObject* object, bool releaseObject)
{
    if (!object || index >= m_items.size())
        return;
    object->retain();
    CCObject* old = m_items[index];
    m_items[index] = object;
    if (releaseObject)
        old->release();
}

void CCArray::reverseObjects()
{
    std::reverse(m_items.begin(), m_items.end());
}

CCObject* CCArray::copyWithZone(CCZone* zone)
{
    CC_UNUSED_PARAM(zone);
    auto* array = new CCArray();
    for (CCObject* object : m_items) {
        CCObject* copy = object->copy();
        if (copy) {
            array->addObject(copy);
            copy->release();
        }
    }
    return array;
}

} // namespace cocos2d

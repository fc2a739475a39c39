#include "touch/CCKeypadDispatcher.h"

#include <algorithm>

namespace cocos2d {

namespace {
CCObject* asObject(CCKeypadDelegate* delegate)
{
    return dynamic_cast<CCObject*>(delegate);
}
} // namespace

CCKeypadDispatcher::~CCKeypadDispatcher()
{
    removeAllDelegates();
}

void CCKeypadDispatcher::addDelegate(CCKeypadDelegate* delegate)
{
    if (!delegate)
        return;
    if (!m_locked) {
        forceAddDelegate(delegate);
        return;
    }
    auto it = std::find(m_toRemove.begin(), m_toRemove.end(), delegate);
    if (it != m_toRemove.end()) {
        m_toRemove.erase(it);
        return;
    }
    m_toAdd.push_back(delegate);
}

void CCKeypadDispatcher::removeDelegate(CCKeypadDelegate* delegate)
{
    if (!delegate)
        return;
    if (!m_locked) {
        forceRemoveDelegate(delegate);
        return;
    }
    auto it = std::find(m_toAdd.begin(), m_toAdd.end(), delegate);
    if (it != m_toAdd.end()) {
        m_toAdd.erase(it);
        return;
    }
    m_toRemove.push_back(delegate);
}

void CCKeypadDispatcher::forceAddDelegate(CCKeypadDelegate* delegate)
{
    if (std::find(m_delegates.begin(), m_delegates.end(), delegate) != m_delegates.end())
        return;
    if (CCObject* object = asObject(delegate))
        object->retain();
    m_delegates.push_back(delegate);
}

void CCKeypadDispatcher::forceRemoveDelegate(CCKeypadDelegate* delegate)
{
    auto it = std::find(m_delegates.begin(), m_delegates.end(), delegate);
    if (it == m_delegates.end())
        return;
    m_delegates.erase(it);
    if (CCObject* object = asObject(delegate))
        object->release();
}

void CCKeypadDispatcher::removeAllDelegates()
{
    std::vector<CCKeypadDelegate*> delegates;
    delegates.swap(m_delegates);
    m_toAdd.clear();
    m_toRemove.clear();
    for (CCKeypadDelegate* delegate : delegates)
        if (CCObject* object = asObject(delegate))
            object->release();
}

bool CCKeypadDispatcher::dispatchKeypadMSG(ccKeypadMSGType msgType)
{
    m_locked = true;
    // Each delegate stays alive for its call even if an earlier one removes it.
    std::vector<CCKeypadDelegate*> delegates = m_delegates;
    for (CCKeypadDelegate* delegate : delegates)
        if (CCObject* object = asObject(delegate))
            object->retain();
    for (CCKeypadDelegate* delegate : delegates) {
        if (msgType == kTypeBackClicked)
            delegate->keyBackClicked();
        else if (msgType == kTypeMenuClicked)
            delegate->keyMenuClicked();
    }
    m_locked = false;
    std::vector<CCKeypadDelegate*> toRemove, toAdd;
    toRemove.swap(m_toRemove);
    toAdd.swap(m_toAdd);
    for (CCKeypadDelegate* delegate : toRemove)
        forceRemoveDelegate(delegate);
    for (CCKeypadDelegate* delegate : toAdd)
        forceAddDelegate(delegate);
    for (CCKeypadDelegate* delegate : delegates)
        if (CCObject* object = asObject(delegate))
            object->release();
    return true;
}

} // namespace cocos2d

#include "extensions/CCIMEDispatcher.h"

#include <algorithm>

#include "touch/CCTextInputRouter.h"

namespace cocos2d {

CCIMEDelegate::CCIMEDelegate() { CCIMEDispatcher::sharedDispatcher()->addDelegate(this); }
CCIMEDelegate::~CCIMEDelegate() { CCIMEDispatcher::sharedDispatcher()->removeDelegate(this); }
bool CCIMEDelegate::attachWithIME() { return CCIMEDispatcher::sharedDispatcher()->attachDelegateWithIME(this); }
bool CCIMEDelegate::detachWithIME() { return CCIMEDispatcher::sharedDispatcher()->detachDelegateWithIME(this); }

CCIMEDispatcher::CCIMEDispatcher()
{
    CCTextInputRouter::setHandlers([this](const char* text, int len) { dispatchInsertText(text, len); },
                                   [this]() { dispatchDeleteBackward(); });
}

CCIMEDispatcher* CCIMEDispatcher::sharedDispatcher()
{
    // Never destroyed: delegates may unregister during static destruction.
    static CCIMEDispatcher* dispatcher = new CCIMEDispatcher();
    if (!CCTextInputRouter::hasHandlers())
        CCTextInputRouter::setHandlers([](const char* text, int len) { dispatcher->dispatchInsertText(text, len); },
                                       []() { dispatcher->dispatchDeleteBackward(); });
    return dispatcher;
}

void CCIMEDispatcher::addDelegate(CCIMEDelegate* delegate)
{
    if (delegate && std::find(m_delegates.begin(), m_delegates.end(), delegate) == m_delegates.end())
        m_delegates.push_back(delegate);
}

void CCIMEDispatcher::removeDelegate(CCIMEDelegate* delegate)
{
    m_delegates.erase(std::remove(m_delegates.begin(), m_delegates.end(), delegate), m_delegates.end());
    if (m_attached == delegate) {
        m_attached = nullptr;
        CCTextInputRouter::setKeyboardState(false);
    }
}

bool CCIMEDispatcher::attachDelegateWithIME(CCIMEDelegate* delegate)
{
    if (!delegate || std::find(m_delegates.begin(), m_delegates.end(), delegate) == m_delegates.end())
        return false;
    if (m_attached == delegate)
        return true;
    if (m_attached && !m_attached->canDetachWithIME())
        return false;
    if (!delegate->canAttachWithIME())
        return false;
    CCIMEDelegate* old = m_attached;
    m_attached = delegate;
    if (old)
        old->didDetachWithIME();
    delegate->didAttachWithIME();
    CCTextInputRouter::setKeyboardState(true);
    return true;
}

bool CCIMEDispatcher::detachDelegateWithIME(CCIMEDelegate* delegate)
{
    if (!delegate || m_attached != delegate || !delegate->canDetachWithIME())
        return false;
    m_attached = nullptr;
    delegate->didDetachWithIME();
    CCTextInputRouter::setKeyboardState(false);
    return true;
}

void CCIMEDispatcher::dispatchInsertText(const char* text, int len)
{
    if (m_attached && text && len > 0)
        m_attached->insertText(text, len);
}

void CCIMEDispatcher::dispatchDeleteBackward()
{
    if (m_attached)
        m_attached->deleteBackward();
}

const char* CCIMEDispatcher::getContentText()
{
    const char* text = m_attached ? m_attached->getContentText() : nullptr;
    return text ? text : "";
}

template <typename Call>
void CCIMEDispatcher::forEachDelegate(Call call)
{
    // A delegate may register or go away while it is told.
    std::vector<CCIMEDelegate*> delegates = m_delegates;
    for (CCIMEDelegate* delegate : delegates)
        if (std::find(m_delegates.begin(), m_delegates.end(), delegate) != m_delegates.end())
            call(delegate);
}

void CCIMEDispatcher::dispatchKeyboardWillShow(CCIMEKeyboardNotificationInfo& info)
{
    forEachDelegate([&](CCIMEDelegate* d) { d->keyboardWillShow(info); });
}
void CCIMEDispatcher::dispatchKeyboardDidShow(CCIMEKeyboardNotificationInfo& info)
{
    forEachDelegate([&](CCIMEDelegate* d) { d->keyboardDidShow(info); });
}
void CCIMEDispatcher::dispatchKeyboardWillHide(CCIMEKeyboardNotificationInfo& info)
{
    forEachDelegate([&](CCIMEDelegate* d) { d->keyboardWillHide(info); });
}
void CCIMEDispatcher::dispatchKeyboardDidHide(CCIMEKeyboardNotificationInfo& info)
{
    forEachDelegate([&](CCIMEDelegate* d) { d->keyboardDidHide(info); });
}

} // namespace cocos2d

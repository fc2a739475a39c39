// Routes typed text to the attached CCIMEDelegate and keyboard notifications to all of them. It installs
// itself as the handler of CCTextInputRouter (fed by the window's SDL text input and by the test helpers)
// when first used; an attached delegate switches the window's text input on, a detach switches it off.
#pragma once

#include <vector>

#include "extensions/CCIMEDelegate.h"

namespace cocos2d {

class CCIMEDispatcher {
public:
    static CCIMEDispatcher* sharedDispatcher();

    void addDelegate(CCIMEDelegate* delegate);
    void removeDelegate(CCIMEDelegate* delegate);
    bool attachDelegateWithIME(CCIMEDelegate* delegate);
    bool detachDelegateWithIME(CCIMEDelegate* delegate);
    CCIMEDelegate* attachedDelegate() const { return m_attached; }
    std::size_t delegateCount() const { return m_delegates.size(); }

    void dispatchInsertText(const char* text, int len);
    void dispatchDeleteBackward();
    const char* getContentText();

    // For platforms with an on-screen keyboard: every registered delegate hears these.
    void dispatchKeyboardWillShow(CCIMEKeyboardNotificationInfo& info);
    void dispatchKeyboardDidShow(CCIMEKeyboardNotificationInfo& info);
    void dispatchKeyboardWillHide(CCIMEKeyboardNotificationInfo& info);
    void dispatchKeyboardDidHide(CCIMEKeyboardNotificationInfo& info);

private:
    CCIMEDispatcher();
    template <typename Call>
    void forEachDelegate(Call call);

    std::vector<CCIMEDelegate*> m_delegates;
    CCIMEDelegate* m_attached = nullptr;
};

} // namespace cocos2d

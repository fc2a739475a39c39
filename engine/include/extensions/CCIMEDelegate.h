// Receivers of typed text (cocos2d-x 2.2). Every delegate registers with the dispatcher while it lives;
// only one is attached at a time and gets the text. Keyboard notifications reach every delegate.
#pragma once

#include "base/CCGeometry.h"

namespace cocos2d {

struct CCIMEKeyboardNotificationInfo {
    CCRect begin; // keyboard rectangle before the animation
    CCRect end;   // and after it
    float duration = 0;
};

class CCIMEDelegate {
public:
    virtual ~CCIMEDelegate();
    CCIMEDelegate(const CCIMEDelegate&) = delete;
    CCIMEDelegate& operator=(const CCIMEDelegate&) = delete;

    virtual bool attachWithIME();
    virtual bool detachWithIME();

    virtual bool canAttachWithIME() { return false; }
    virtual void didAttachWithIME() {}
    virtual bool canDetachWithIME() { return false; }
    virtual void didDetachWithIME() {}
    virtual void insertText(const char* text, int len) { (void)text; (void)len; }
    virtual void deleteBackward() {}
    virtual const char* getContentText() { return nullptr; }

    virtual void keyboardWillShow(CCIMEKeyboardNotificationInfo& info) { (void)info; }
    virtual void keyboardDidShow(CCIMEKeyboardNotificationInfo& info) { (void)info; }
    virtual void keyboardWillHide(CCIMEKeyboardNotificationInfo& info) { (void)info; }
    virtual void keyboardDidHide(CCIMEKeyboardNotificationInfo& info) { (void)info; }

protected:
    CCIMEDelegate();
};

} // namespace cocos2d

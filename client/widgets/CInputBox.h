// The one-line text input of every form: a text field with a blinking cursor, a limit in bytes, a
// width limit and a password mode that shows stars while the box keeps what was typed. Tapping one
// box focuses it and unfocuses every other (all boxes see every touch).
#pragma once

#include "cocos2d.h"
#include "extensions/CCIMEDelegate.h"
#include "labels/CCTextFieldTTF.h"

#include <string>

class CInputBox : public cocos2d::CCLayer, public cocos2d::CCIMEDelegate, public cocos2d::CCTextFieldDelegate {
public:
    enum Mode { kPlain = 1, kPassword = 2 };

    CInputBox();
    ~CInputBox() override;
    // The box whose keyboardShown flag the whole program reads; never shown.
    static CInputBox* sharedInputBox();

    bool init(const cocos2d::CCSize& size, int fontSize, const cocos2d::ccColor3B& colour, int mode);
    void setMaxLength(int bytes) { m_maxLength = bytes; }
    void moveCursorY(int dy);
    void setText(const std::string& text);
    std::string getText() const { return m_realText; }

    void registerWithTouchDispatcher() override;
    virtual void setAttached(bool attached);
    virtual void setPlaceHolder(const std::string& text);
    virtual std::string getPlaceHolder();
    // (0, 0, size) in the parent's space.
    cocos2d::CCRect boundingBox();

    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    // The touch-ended rule on a point in the box's space.
    void handleRelease(const cocos2d::CCPoint& local);

    bool onTextFieldAttachWithIME(cocos2d::CCTextFieldTTF* sender) override;
    bool onTextFieldDetachWithIME(cocos2d::CCTextFieldTTF* sender) override;
    bool onTextFieldInsertText(cocos2d::CCTextFieldTTF* sender, const char* text, int length) override;
    bool onTextFieldDeleteBackward(cocos2d::CCTextFieldTTF* sender, const char* deleted, int length) override;

    void keyboardWillShow(cocos2d::CCIMEKeyboardNotificationInfo& info) override;
    void keyboardDidShow(cocos2d::CCIMEKeyboardNotificationInfo&) override {}
    void keyboardWillHide(cocos2d::CCIMEKeyboardNotificationInfo& info) override;
    void keyboardDidHide(cocos2d::CCIMEKeyboardNotificationInfo&) override {}

    int priorityOffset() const { return m_priorityOffset; }
    void setPriorityOffset(int offset) { m_priorityOffset = offset; }
    bool keyboardShown() const { return m_keyboardShown; }
    cocos2d::CCTextFieldTTF* textField() const { return m_textField; }
    cocos2d::CCSprite* cursor() const { return m_cursor; }

private:
    using cocos2d::CCLayer::init;
    int textWidth(const std::string& text) const;
    void placeCursor(const std::string& shown);
    void starsLater(float dt);

    int m_priorityOffset = 0;
    cocos2d::CCTextFieldTTF* m_textField = nullptr;
    cocos2d::CCSprite* m_background = nullptr;
    cocos2d::CCSize m_size;
    bool m_keyboardShown = false;
    cocos2d::CCPoint m_touchStart;
    int m_mode = kPlain;
    int m_maxLength = 0;
    int m_fontSize = 0;
    cocos2d::ccColor3B m_colour = {0, 0, 0};
    cocos2d::CCSprite* m_cursor = nullptr;
    std::string m_realText;
};

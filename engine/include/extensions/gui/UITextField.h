// A text field widget: a touch on it attaches the keyboard; reports ATTACH, DETACH, INSERT and DELETE.
#pragma once

#include "extensions/gui/UIWidget.h"

namespace cocos2d {
class CCTextFieldTTF;
}

namespace cocos2d::extension {

class UITextFieldRenderer;

typedef enum {
    TEXTFIELD_EVENT_ATTACH_WITH_IME, TEXTFIELD_EVENT_DETACH_WITH_IME, TEXTFIELD_EVENT_INSERT_TEXT,
    TEXTFIELD_EVENT_DELETE_BACKWARD
} TextFiledEventType;
typedef void (CCObject::*SEL_TextFieldEvent)(CCObject*, TextFiledEventType);
#define textfieldeventselector(_SELECTOR) (::cocos2d::extension::SEL_TextFieldEvent)(&_SELECTOR)

class UITextField : public UIWidget {
public:
    UITextField();
    ~UITextField() override;
    static UITextField* create();
    bool init() override;
    std::string getDescription() const override { return "TextField"; }
    std::string debugText() const override;

    void setPlaceHolder(const char* value);
    const char* getPlaceHolder() const;
    void setText(const char* text);
    const char* getStringValue() const;
    void setFontSize(int size);
    void setFontName(const char* name);
    void setTouchSize(const CCSize& size);
    void setMaxLengthEnabled(bool enabled) { m_maxLengthEnabled = enabled; }
    bool isMaxLengthEnabled() const { return m_maxLengthEnabled; }
    void setMaxLength(int length) { m_maxLength = length; }
    int getMaxLength() const { return m_maxLength; }
    void setPasswordEnabled(bool enabled);
    bool isPasswordEnabled() const;
    void setPasswordStyleText(const char* styleText);
    void setTextAreaSize(const CCSize& size);
    void setTextHorizontalAlignment(CCTextAlignment alignment);
    void setTextVerticalAlignment(CCVerticalTextAlignment alignment);
    void attachWithIME();
    void didNotSelectSelf();
    void addEventListenerTextField(CCObject* target, SEL_TextFieldEvent selector);
    CCTextFieldTTF* getVirtualRenderer() const;

    bool onTouchBegan(const CCPoint& touchPoint) override;
    bool hitTest(const CCPoint& worldPoint) override;

    // From the renderer (the engine text field).
    void fieldEvent(TextFiledEventType type);

protected:
    CCSize getContentNaturalSize() const override;
    void onSizeChanged() override;

private:
    UITextFieldRenderer* m_field = nullptr;
    bool m_maxLengthEnabled = false;
    int m_maxLength = 10;
    CCSize m_touchSize;
    CCObject* m_target = nullptr;
    SEL_TextFieldEvent m_selector = nullptr;
};

} // namespace cocos2d::extension

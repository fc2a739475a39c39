// An editable TrueType label (cocos2d-x 2.2). Typed text is appended at the end (no caret); Enter
// detaches it; an empty field shows the placeholder in the placeholder colour. A CCTextFieldDelegate may
// refuse attaching, detaching, each insertion and each deletion by returning true.
#pragma once

#include <string>

#include "extensions/CCIMEDelegate.h"
#include "labels/CCLabelTTF.h"

namespace cocos2d {

class CCTextFieldTTF;

class CCTextFieldDelegate {
public:
    virtual ~CCTextFieldDelegate() = default;
    virtual bool onTextFieldAttachWithIME(CCTextFieldTTF* sender) { (void)sender; return false; }
    virtual bool onTextFieldDetachWithIME(CCTextFieldTTF* sender) { (void)sender; return false; }
    virtual bool onTextFieldInsertText(CCTextFieldTTF* sender, const char* text, int nLen)
    {
        (void)sender; (void)text; (void)nLen;
        return false;
    }
    virtual bool onTextFieldDeleteBackward(CCTextFieldTTF* sender, const char* delText, int nLen)
    {
        (void)sender; (void)delText; (void)nLen;
        return false;
    }
    virtual bool onDraw(CCTextFieldTTF* sender) { (void)sender; return false; }
};

class CCTextFieldTTF : public CCLabelTTF, public CCIMEDelegate {
public:
    CCTextFieldTTF();
    ~CCTextFieldTTF() override;

    static CCTextFieldTTF* textFieldWithPlaceHolder(const char* placeholder, const CCSize& dimensions,
                                                    CCTextAlignment alignment, const char* fontName, float fontSize);
    static CCTextFieldTTF* textFieldWithPlaceHolder(const char* placeholder, const char* fontName, float fontSize);
    bool initWithPlaceHolder(const char* placeholder, const CCSize& dimensions, CCTextAlignment alignment,
                             const char* fontName, float fontSize);
    bool initWithPlaceHolder(const char* placeholder, const char* fontName, float fontSize);

    bool attachWithIME() override;
    bool detachWithIME() override;

    CCTextFieldDelegate* getDelegate() const { return m_delegate; }
    void setDelegate(CCTextFieldDelegate* delegate) { m_delegate = delegate; }
    // Characters (not bytes) of the text.
    int getCharCount() const { return m_charCount; }
    const ccColor3B& getColorSpaceHolder() const { return m_placeholderColor; }
    void setColorSpaceHolder(const ccColor3B& color) { m_placeholderColor = color; }

    // The real text (the label may be showing the placeholder or bullets).
    void setString(const char* text);
    const char* getString() const { return m_inputText.c_str(); }
    void setPlaceHolder(const char* text);
    const char* getPlaceHolder() const { return m_placeholder.c_str(); }
    void setSecureTextEntry(bool value);
    bool isSecureTextEntry() const { return m_secure; }
    std::string debugText() const override { return m_inputText; }

    void draw() override;

    bool canAttachWithIME() override;
    bool canDetachWithIME() override;
    void insertText(const char* text, int len) override;
    void deleteBackward() override;
    const char* getContentText() override { return m_inputText.c_str(); }

private:
    void refreshDisplay();

    CCTextFieldDelegate* m_delegate = nullptr;
    std::string m_inputText;
    std::string m_placeholder;
    ccColor3B m_placeholderColor{127, 127, 127};
    int m_charCount = 0;
    bool m_secure = false;
};

} // namespace cocos2d

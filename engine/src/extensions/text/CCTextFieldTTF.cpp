#include "extensions/CCTextFieldTTF.h"

#include "extensions/CCIMEDispatcher.h"

namespace cocos2d {

namespace {
int utf8Length(const std::string& text)
{
    int count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}
} // namespace

CCTextFieldTTF::CCTextFieldTTF() = default;

CCTextFieldTTF::~CCTextFieldTTF() = default;

CCTextFieldTTF* CCTextFieldTTF::textFieldWithPlaceHolder(const char* placeholder, const CCSize& dimensions,
                                                         CCTextAlignment alignment, const char* fontName,
                                                         float fontSize)
{
    auto* field = new CCTextFieldTTF();
    if (field->initWithPlaceHolder(placeholder, dimensions, alignment, fontName, fontSize)) {
        field->autorelease();
        return field;
    }
    delete field;
    return nullptr;
}

CCTextFieldTTF* CCTextFieldTTF::textFieldWithPlaceHolder(const char* placeholder, const char* fontName, float fontSize)
{
    auto* field = new CCTextFieldTTF();
    if (field->initWithPlaceHolder(placeholder, fontName, fontSize)) {
        field->autorelease();
        return field;
    }
    delete field;
    return nullptr;
}

bool CCTextFieldTTF::initWithPlaceHolder(const char* placeholder, const CCSize& dimensions, CCTextAlignment alignment,
                                         const char* fontName, float fontSize)
{
    m_placeholder = placeholder ? placeholder : "";
    if (!initWithString(m_placeholder.c_str(), fontName, fontSize, dimensions, alignment, kCCVerticalTextAlignmentTop))
        return false;
    refreshDisplay();
    return true;
}

bool CCTextFieldTTF::initWithPlaceHolder(const char* placeholder, const char* fontName, float fontSize)
{
    m_placeholder = placeholder ? placeholder : "";
    if (!initWithString(m_placeholder.c_str(), fontName, fontSize))
        return false;
    refreshDisplay();
    return true;
}

bool CCTextFieldTTF::attachWithIME() { return CCIMEDelegate::attachWithIME(); }
bool CCTextFieldTTF::detachWithIME() { return CCIMEDelegate::detachWithIME(); }

bool CCTextFieldTTF::canAttachWithIME() { return !(m_delegate && m_delegate->onTextFieldAttachWithIME(this)); }
bool CCTextFieldTTF::canDetachWithIME() { return !(m_delegate && m_delegate->onTextFieldDetachWithIME(this)); }

void CCTextFieldTTF::insertText(const char* text, int len)
{
    if (!text || len <= 0)
        return;
    std::string input(text, static_cast<std::size_t>(len));
    std::size_t newline = input.find('\n');
    std::string head = input.substr(0, newline);
    if (!head.empty()) {
        if (m_delegate && m_delegate->onTextFieldInsertText(this, head.c_str(), static_cast<int>(head.size())))
            return; // refused
        m_inputText += head;
        m_charCount = utf8Length(m_inputText);
        refreshDisplay();
    }
    if (newline == std::string::npos)
        return;
    // Enter: the delegate may still refuse it; otherwise the field lets go of the keyboard.
    if (m_delegate && m_delegate->onTextFieldInsertText(this, "\n", 1))
        return;
    detachWithIME();
}

void CCTextFieldTTF::deleteBackward()
{
    if (m_inputText.empty())
        return;
    // One UTF-8 character: the lead byte and its continuation bytes.
    std::size_t start = m_inputText.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(m_inputText[start]) & 0xC0) == 0x80)
        --start;
    std::string deleted = m_inputText.substr(start);
    if (m_delegate && m_delegate->onTextFieldDeleteBackward(this, deleted.c_str(), static_cast<int>(deleted.size())))
        return;
    m_inputText.erase(start);
    m_charCount = utf8Length(m_inputText);
    refreshDisplay();
}

void CCTextFieldTTF::setString(const char* text)
{
    m_inputText = text ? text : "";
    m_charCount = utf8Length(m_inputText);
    refreshDisplay();
}

void CCTextFieldTTF::setPlaceHolder(const char* text)
{
    m_placeholder = text ? text : "";
    refreshDisplay();
}

void CCTextFieldTTF::setSecureTextEntry(bool value)
{
    m_secure = value;
    refreshDisplay();
}

void CCTextFieldTTF::refreshDisplay()
{
    if (m_inputText.empty()) {
        CCLabelTTF::setString(m_placeholder.c_str());
        return;
    }
    if (!m_secure) {
        CCLabelTTF::setString(m_inputText.c_str());
        return;
    }
    std::string bullets;
    for (std::size_t i = 0; i < m_inputText.size(); ++i)
        bullets += "\xE2\x80\xA2"; // one bullet per byte, as 2.2 does
    CCLabelTTF::setString(bullets.c_str());
}

void CCTextFieldTTF::draw()
{
    if (m_delegate && m_delegate->onDraw(this))
        return;
    if (!m_inputText.empty()) {
        CCLabelTTF::draw();
        return;
    }
    // The placeholder has its own colour.
    ccColor3B color = getColor();
    setColor(m_placeholderColor);
    CCLabelTTF::draw();
    setColor(color);
}

} // namespace cocos2d

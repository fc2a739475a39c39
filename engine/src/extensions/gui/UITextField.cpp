#include "extensions/gui/UITextField.h"

#include "extensions/CCTextFieldTTF.h"

namespace cocos2d::extension {

// The engine text field with the widget's rules: a length limit in characters and the events.
class UITextFieldRenderer : public CCTextFieldTTF, public CCTextFieldDelegate {
public:
    explicit UITextFieldRenderer(UITextField* owner) : m_owner(owner) { setDelegate(this); }
    // The widget is going; the field may outlive it for a moment (autorelease).
    void orphan() { m_owner = nullptr; }
    bool onTextFieldAttachWithIME(CCTextFieldTTF*) override
    {
        if (m_owner)
            m_owner->fieldEvent(TEXTFIELD_EVENT_ATTACH_WITH_IME);
        return false;
    }
    bool onTextFieldDetachWithIME(CCTextFieldTTF*) override
    {
        if (m_owner)
            m_owner->fieldEvent(TEXTFIELD_EVENT_DETACH_WITH_IME);
        return false;
    }
    bool onTextFieldInsertText(CCTextFieldTTF*, const char* text, int len) override
    {
        if (!m_owner || (len == 1 && text[0] == '\n'))
            return false;
        if (m_owner->isMaxLengthEnabled() && getCharCount() >= m_owner->getMaxLength())
            return true;
        m_pendingInsert = true;
        return false;
    }
    bool onTextFieldDeleteBackward(CCTextFieldTTF*, const char*, int) override
    {
        m_pendingDelete = true;
        return false;
    }
    void insertText(const char* text, int len) override
    {
        CCTextFieldTTF::insertText(text, len);
        if (m_pendingInsert && m_owner) {
            m_pendingInsert = false;
            m_owner->fieldEvent(TEXTFIELD_EVENT_INSERT_TEXT);
        }
    }
    void deleteBackward() override
    {
        CCTextFieldTTF::deleteBackward();
        if (m_pendingDelete && m_owner) {
            m_pendingDelete = false;
            m_owner->fieldEvent(TEXTFIELD_EVENT_DELETE_BACKWARD);
        }
    }

private:
    UITextField* m_owner;
    bool m_pendingInsert = false;
    bool m_pendingDelete = false;
};

UITextField::UITextField() = default;
UITextField::~UITextField()
{
    if (m_field) {
        m_target = nullptr;
        m_field->orphan();
        m_field->detachWithIME();
        m_field->release();
    }
}

UITextField* UITextField::create()
{
    auto* field = new UITextField();
    if (field->init()) {
        field->autorelease();
        return field;
    }
    delete field;
    return nullptr;
}

bool UITextField::init()
{
    if (!UIWidget::init())
        return false;
    m_field = new UITextFieldRenderer(this);
    if (!m_field->initWithPlaceHolder("", "Thonburi", 20)) {
        m_field->release();
        m_field = nullptr;
        return false;
    }
    addChild(m_field, kWidgetPictureZ);
    setTouchEnabled(true);
    updateContentSize();
    return true;
}

std::string UITextField::debugText() const { return m_field->getString(); }

void UITextField::setPlaceHolder(const char* value)
{
    m_field->setPlaceHolder(value);
    updateContentSize();
}
const char* UITextField::getPlaceHolder() const { return m_field->getPlaceHolder(); }

void UITextField::setText(const char* text)
{
    std::string value = text ? text : "";
    if (m_maxLengthEnabled) {
        // Cut to the limit in characters, never inside a UTF-8 sequence.
        int chars = 0;
        std::size_t i = 0;
        for (; i < value.size(); ++i)
            if ((static_cast<unsigned char>(value[i]) & 0xC0) != 0x80 && chars++ == m_maxLength)
                break;
        value.resize(i);
    }
    m_field->setString(value.c_str());
    updateContentSize();
}

const char* UITextField::getStringValue() const { return m_field->getString(); }

void UITextField::setFontSize(int size)
{
    m_field->setFontSize(static_cast<float>(size));
    updateContentSize();
}

void UITextField::setFontName(const char* name)
{
    m_field->setFontName(name);
    updateContentSize();
}

void UITextField::setTouchSize(const CCSize& size) { m_touchSize = size; }
void UITextField::setPasswordEnabled(bool enabled) { m_field->setSecureTextEntry(enabled); }
bool UITextField::isPasswordEnabled() const { return m_field->isSecureTextEntry(); }
void UITextField::setPasswordStyleText(const char*) {}

void UITextField::setTextAreaSize(const CCSize& size)
{
    m_field->setDimensions(size);
    updateContentSize();
}

void UITextField::setTextHorizontalAlignment(CCTextAlignment alignment) { m_field->setHorizontalAlignment(alignment); }
void UITextField::setTextVerticalAlignment(CCVerticalTextAlignment alignment) { m_field->setVerticalAlignment(alignment); }
void UITextField::attachWithIME() { m_field->attachWithIME(); }
void UITextField::didNotSelectSelf() { m_field->detachWithIME(); }

void UITextField::addEventListenerTextField(CCObject* target, SEL_TextFieldEvent selector)
{
    m_target = target;
    m_selector = selector;
}

CCTextFieldTTF* UITextField::getVirtualRenderer() const { return m_field; }

void UITextField::fieldEvent(TextFiledEventType type)
{
    if (m_target && m_selector)
        (m_target->*m_selector)(this, type);
}

bool UITextField::onTouchBegan(const CCPoint& touchPoint)
{
    bool handled = UIWidget::onTouchBegan(touchPoint);
    m_field->attachWithIME();
    return handled;
}

bool UITextField::hitTest(const CCPoint& worldPoint)
{
    if (m_touchSize.width <= 0 || m_touchSize.height <= 0)
        return UIWidget::hitTest(worldPoint);
    CCPoint local = convertToNodeSpace(worldPoint);
    return CCRect(-m_touchSize.width / 2, -m_touchSize.height / 2, m_touchSize.width, m_touchSize.height)
        .containsPoint(local);
}

CCSize UITextField::getContentNaturalSize() const { return m_field ? m_field->getContentSize() : CCSize(); }

void UITextField::onSizeChanged()
{
    if (m_field) {
        m_field->setAnchorPoint(m_anchorPoint);
        m_field->setPosition(CCPoint());
    }
    UIWidget::onSizeChanged();
}

} // namespace cocos2d::extension

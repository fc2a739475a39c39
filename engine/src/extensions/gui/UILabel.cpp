#include "extensions/gui/UILabel.h"

#include "labels/CCLabelTTF.h"

namespace cocos2d::extension {

UILabel* UILabel::create()
{
    auto* label = new UILabel();
    if (label->init()) {
        label->autorelease();
        return label;
    }
    delete label;
    return nullptr;
}

bool UILabel::init()
{
    if (!UIWidget::init())
        return false;
    m_label = CCLabelTTF::create("", "Thonburi", 10);
    addChild(m_label, kWidgetPictureZ);
    updateContentSize();
    return true;
}

std::string UILabel::debugText() const { return m_label->getString(); }

void UILabel::setText(const char* text)
{
    m_label->setString(text ? text : "");
    updateContentSize();
}

const char* UILabel::getStringValue() const { return m_label->getString(); }

int UILabel::getStringLength() const
{
    int count = 0;
    for (const char* c = m_label->getString(); *c; ++c)
        if ((static_cast<unsigned char>(*c) & 0xC0) != 0x80)
            ++count;
    return count;
}

void UILabel::setFontSize(int size)
{
    m_label->setFontSize(static_cast<float>(size));
    updateContentSize();
}

void UILabel::setFontName(const char* name)
{
    m_label->setFontName(name);
    updateContentSize();
}

void UILabel::setTextAreaSize(const CCSize& size)
{
    m_label->setDimensions(size);
    updateContentSize();
}

void UILabel::setTextHorizontalAlignment(CCTextAlignment alignment) { m_label->setHorizontalAlignment(alignment); }
void UILabel::setTextVerticalAlignment(CCVerticalTextAlignment alignment) { m_label->setVerticalAlignment(alignment); }

CCSize UILabel::getContentNaturalSize() const { return m_label ? m_label->getContentSize() : CCSize(); }

void UILabel::onSizeChanged()
{
    if (m_label) {
        m_label->setAnchorPoint(m_anchorPoint);
        m_label->setPosition(CCPoint());
        CCSize natural = m_label->getContentSize();
        if (!m_ignoreSize && natural.width > 0 && natural.height > 0) {
            m_label->setScaleX(m_size.width / natural.width);
            m_label->setScaleY(m_size.height / natural.height);
        } else {
            m_label->setScale(1);
        }
    }
    UIWidget::onSizeChanged();
}

void UILabel::onPressStateChangedToNormal()
{
    if (m_touchScale)
        m_label->setScale(1);
}

void UILabel::onPressStateChangedToPressed()
{
    if (m_touchScale)
        m_label->setScale(1.5f);
}

} // namespace cocos2d::extension

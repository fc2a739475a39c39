#include "extensions/gui/UILabelBMFont.h"

#include "base/CCConsole.h"
#include "labels/CCLabelBMFont.h"

namespace cocos2d::extension {

UILabelBMFont* UILabelBMFont::create()
{
    auto* label = new UILabelBMFont();
    if (label->init()) {
        label->autorelease();
        return label;
    }
    delete label;
    return nullptr;
}

void UILabelBMFont::setFntFile(const char* fileName)
{
    if (m_label) {
        m_label->removeFromParentAndCleanup(true);
        m_label = nullptr;
    }
    if (!fileName || !*fileName)
        return;
    m_label = CCLabelBMFont::create(m_text.c_str(), fileName);
    if (!m_label) {
        CCLog("widget \"%s\": cannot read the bitmap font \"%s\"", getName(), fileName);
        return;
    }
    addChild(m_label, kWidgetPictureZ);
    updateContentSize();
}

void UILabelBMFont::setText(const char* value)
{
    m_text = value ? value : "";
    if (m_label)
        m_label->setString(m_text.c_str());
    updateContentSize();
}

CCSize UILabelBMFont::getContentNaturalSize() const { return m_label ? m_label->getContentSize() : CCSize(); }

void UILabelBMFont::onSizeChanged()
{
    if (m_label) {
        m_label->setAnchorPoint(m_anchorPoint);
        m_label->setPosition(CCPoint());
    }
    UIWidget::onSizeChanged();
}

} // namespace cocos2d::extension

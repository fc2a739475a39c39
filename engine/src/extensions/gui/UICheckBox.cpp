#include "extensions/gui/UICheckBox.h"

#include "WidgetPicture.h"

namespace cocos2d::extension {

UICheckBox::UICheckBox()
    : m_box(std::make_unique<WidgetPicture>()), m_boxSelected(std::make_unique<WidgetPicture>()),
      m_cross(std::make_unique<WidgetPicture>(kWidgetPictureZ + 1)), m_boxDisabled(std::make_unique<WidgetPicture>()),
      m_crossDisabled(std::make_unique<WidgetPicture>(kWidgetPictureZ + 1))
{
}

UICheckBox::~UICheckBox() = default;

UICheckBox* UICheckBox::create()
{
    auto* box = new UICheckBox();
    if (box->init()) {
        box->autorelease();
        return box;
    }
    delete box;
    return nullptr;
}

bool UICheckBox::init()
{
    if (!UIWidget::init())
        return false;
    setTouchEnabled(true);
    return true;
}

void UICheckBox::loadTextures(const char* backGround, const char* backGroundSelected, const char* cross,
                              const char* backGroundDisabled, const char* frontCrossDisabled, TextureResType texType)
{
    loadTextureBackGround(backGround, texType);
    loadTextureBackGroundSelected(backGroundSelected, texType);
    loadTextureFrontCross(cross, texType);
    loadTextureBackGroundDisabled(backGroundDisabled, texType);
    loadTextureFrontCrossDisabled(frontCrossDisabled, texType);
}

void UICheckBox::loadTextureBackGround(const char* name, TextureResType texType)
{
    m_box->load(this, name, texType);
    updateContentSize();
    refresh();
}
void UICheckBox::loadTextureBackGroundSelected(const char* name, TextureResType texType)
{
    m_boxSelected->load(this, name, texType);
    onSizeChanged();
    refresh();
}
void UICheckBox::loadTextureFrontCross(const char* name, TextureResType texType)
{
    m_cross->load(this, name, texType);
    onSizeChanged();
    refresh();
}
void UICheckBox::loadTextureBackGroundDisabled(const char* name, TextureResType texType)
{
    m_boxDisabled->load(this, name, texType);
    onSizeChanged();
    refresh();
}
void UICheckBox::loadTextureFrontCrossDisabled(const char* name, TextureResType texType)
{
    m_crossDisabled->load(this, name, texType);
    onSizeChanged();
    refresh();
}

void UICheckBox::setSelectedState(bool selected)
{
    m_selected = selected;
    refresh();
}

void UICheckBox::addEventListenerCheckBox(CCObject* target, SEL_SelectedStateEvent selector)
{
    m_target = target;
    m_selector = selector;
}

CCSize UICheckBox::getContentNaturalSize() const { return m_box->naturalSize(); }

void UICheckBox::onSizeChanged()
{
    for (WidgetPicture* p : {m_box.get(), m_boxSelected.get(), m_cross.get(), m_boxDisabled.get(), m_crossDisabled.get()})
        p->fit(CCPoint(), m_anchorPoint, m_size, !m_ignoreSize);
    UIWidget::onSizeChanged();
}

void UICheckBox::refresh()
{
    const bool disabled = !m_bright;
    m_box->setVisible(!disabled && !(m_pressed && !m_boxSelected->empty()));
    m_boxSelected->setVisible(!disabled && m_pressed && !m_boxSelected->empty());
    m_boxDisabled->setVisible(disabled);
    m_cross->setVisible(!disabled && m_selected);
    m_crossDisabled->setVisible(disabled && m_selected);
}

void UICheckBox::onPressStateChangedToNormal()
{
    m_pressed = false;
    refresh();
}

void UICheckBox::onPressStateChangedToPressed()
{
    m_pressed = true;
    refresh();
}

void UICheckBox::onPressStateChangedToDisabled() { refresh(); }

void UICheckBox::onTouchReleasedInside()
{
    setSelectedState(!m_selected);
    if (m_target && m_selector)
        (m_target->*m_selector)(this, m_selected ? CHECKBOX_STATE_EVENT_SELECTED : CHECKBOX_STATE_EVENT_UNSELECTED);
}

} // namespace cocos2d::extension

#include "extensions/gui/UIButton.h"

#include "WidgetPicture.h"
#include "labels/CCLabelTTF.h"

namespace cocos2d::extension {

namespace {
constexpr float kPressedGrowth = 0.1f;
}

UIButton::UIButton()
    : m_normal(std::make_unique<WidgetPicture>()), m_pressed(std::make_unique<WidgetPicture>()),
      m_disabled(std::make_unique<WidgetPicture>())
{
}

UIButton::~UIButton() = default;

UIButton* UIButton::create()
{
    auto* button = new UIButton();
    if (button->init()) {
        button->autorelease();
        return button;
    }
    delete button;
    return nullptr;
}

bool UIButton::init()
{
    if (!UIWidget::init())
        return false;
    m_title = CCLabelTTF::create("", "Thonburi", 10);
    addChild(m_title, kWidgetPictureZ + 1);
    setTouchEnabled(true);
    return true;
}

void UIButton::loadTextures(const char* normal, const char* selected, const char* disabled, TextureResType texType)
{
    loadTextureNormal(normal, texType);
    loadTexturePressed(selected, texType);
    loadTextureDisabled(disabled, texType);
}

void UIButton::loadTextureNormal(const char* normal, TextureResType texType)
{
    m_normal->load(this, normal, texType);
    updateContentSize();
    if (m_brightStyle != BRIGHT_HIGHLIGHT && m_bright)
        onPressStateChangedToNormal();
}

void UIButton::loadTexturePressed(const char* selected, TextureResType texType)
{
    m_pressed->load(this, selected, texType);
    onSizeChanged();
    m_bright ? (m_brightStyle == BRIGHT_HIGHLIGHT ? onPressStateChangedToPressed() : onPressStateChangedToNormal())
             : onPressStateChangedToDisabled();
}

void UIButton::loadTextureDisabled(const char* disabled, TextureResType texType)
{
    m_disabled->load(this, disabled, texType);
    onSizeChanged();
    if (!m_bright)
        onPressStateChangedToDisabled();
    else
        m_disabled->setVisible(false);
}

void UIButton::setScale9Enabled(bool enabled)
{
    m_scale9 = enabled;
    for (WidgetPicture* p : {m_normal.get(), m_pressed.get(), m_disabled.get()})
        p->setScale9(this, enabled);
    // Nine-slice buttons take the custom size; plain ones keep following their picture.
    ignoreContentAdaptWithSize(!enabled && m_ignoreSize);
    m_bright ? onPressStateChangedToNormal() : onPressStateChangedToDisabled();
}

void UIButton::setCapInsets(const CCRect& capInsets)
{
    setCapInsetsNormalRenderer(capInsets);
    setCapInsetsPressedRenderer(capInsets);
    setCapInsetsDisabledRenderer(capInsets);
}
void UIButton::setCapInsetsNormalRenderer(const CCRect& capInsets) { m_normal->setCapInsets(capInsets); }
void UIButton::setCapInsetsPressedRenderer(const CCRect& capInsets) { m_pressed->setCapInsets(capInsets); }
void UIButton::setCapInsetsDisabledRenderer(const CCRect& capInsets) { m_disabled->setCapInsets(capInsets); }

void UIButton::setFlipX(bool flipX)
{
    for (WidgetPicture* p : {m_normal.get(), m_pressed.get(), m_disabled.get()})
        p->setFlip(flipX, false);
}

void UIButton::setFlipY(bool flipY)
{
    for (WidgetPicture* p : {m_normal.get(), m_pressed.get(), m_disabled.get()})
        p->setFlip(false, flipY);
}

CCSize UIButton::getContentNaturalSize() const { return m_normal->naturalSize(); }

void UIButton::onSizeChanged()
{
    for (WidgetPicture* p : {m_normal.get(), m_pressed.get(), m_disabled.get()})
        p->fit(CCPoint(), m_anchorPoint, m_size, !m_ignoreSize);
    if (m_title) {
        // Centred on the button whatever its anchor.
        m_title->setPosition(CCPoint(m_size.width * (0.5f - m_anchorPoint.x), m_size.height * (0.5f - m_anchorPoint.y)));
    }
    UIWidget::onSizeChanged();
}

void UIButton::showOnly(WidgetPicture* picture)
{
    for (WidgetPicture* p : {m_normal.get(), m_pressed.get(), m_disabled.get()})
        p->setVisible(p == picture);
}

void UIButton::onPressStateChangedToNormal()
{
    showOnly(m_normal.get());
    m_normal->setZoom(1);
}

void UIButton::onPressStateChangedToPressed()
{
    if (!m_pressed->empty()) {
        showOnly(m_pressed.get());
        m_pressed->setZoom(m_pressedAction ? 1 + kPressedGrowth : 1);
    } else {
        showOnly(m_normal.get());
        m_normal->setZoom(1 + kPressedGrowth);
    }
}

void UIButton::onPressStateChangedToDisabled()
{
    if (!m_disabled->empty()) {
        showOnly(m_disabled.get());
    } else {
        showOnly(m_normal.get());
    }
    m_normal->setZoom(1);
}

void UIButton::setTitleText(const char* text) { m_title->setString(text ? text : ""); }
const char* UIButton::getTitleText() const { return m_title->getString(); }
void UIButton::setTitleColor(const ccColor3B& color) { m_title->setColor(color); }
const ccColor3B& UIButton::getTitleColor() const { return m_title->getColor(); }
void UIButton::setTitleFontSize(float size) { m_title->setFontSize(size); }
float UIButton::getTitleFontSize() const { return m_title->getFontSize(); }
void UIButton::setTitleFontName(const char* fontName) { m_title->setFontName(fontName); }
const char* UIButton::getTitleFontName() const { return m_title->getFontName(); }

} // namespace cocos2d::extension

#include "extensions/gui/UILoadingBar.h"

#include "WidgetPicture.h"
#include "sprites/CCSprite.h"

namespace cocos2d::extension {

UILoadingBar::UILoadingBar() : m_bar(std::make_unique<WidgetPicture>()) {}
UILoadingBar::~UILoadingBar() = default;

UILoadingBar* UILoadingBar::create()
{
    auto* bar = new UILoadingBar();
    if (bar->init()) {
        bar->autorelease();
        return bar;
    }
    delete bar;
    return nullptr;
}

void UILoadingBar::loadTexture(const char* fileName, TextureResType texType)
{
    m_bar->load(this, fileName, texType);
    if (auto* sprite = dynamic_cast<CCSprite*>(m_bar->node()))
        m_fullRect = sprite->getTextureRect();
    updateContentSize();
}

void UILoadingBar::setDirection(LoadingBarType direction)
{
    m_direction = direction;
    onSizeChanged();
}

void UILoadingBar::setPercent(int percent)
{
    if (percent < 0 || percent > 100)
        return;
    m_percent = percent;
    onSizeChanged();
}

void UILoadingBar::setScale9Enabled(bool enabled)
{
    m_bar->setScale9(this, enabled);
    onSizeChanged();
}

void UILoadingBar::setCapInsets(const CCRect& capInsets) { m_bar->setCapInsets(capInsets); }
CCSize UILoadingBar::getContentNaturalSize() const { return m_bar->naturalSize(); }

void UILoadingBar::onSizeChanged()
{
    // The bar is anchored at its fixed end and cut (or shrunk, for nine-slices) to the percent.
    const float fraction = static_cast<float>(m_percent) / 100.f;
    const bool left = m_direction == LoadingBarTypeLeft;
    CCPoint anchor(left ? 0.f : 1.f, 0.5f);
    CCPoint origin(m_size.width * ((left ? 0.f : 1.f) - m_anchorPoint.x), m_size.height * (0.5f - m_anchorPoint.y));
    if (auto* sprite = dynamic_cast<CCSprite*>(m_bar->node())) {
        m_bar->fit(origin, anchor, m_size, !m_ignoreSize);
        CCSize natural = m_bar->naturalSize();
        const CCRect& rect = m_fullRect;
        float width = natural.width * fraction;
        if (!sprite->isTextureRectRotated())
            sprite->setTextureRect(CCRect(rect.origin.x + (left ? 0 : natural.width - width), rect.origin.y, width,
                                          rect.size.height));
    } else {
        m_bar->fit(origin, anchor, CCSize(m_size.width * fraction, m_size.height), true);
    }
    UIWidget::onSizeChanged();
}

} // namespace cocos2d::extension

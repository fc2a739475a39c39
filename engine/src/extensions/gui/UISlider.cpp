#include "extensions/gui/UISlider.h"

#include <algorithm>
#include <cmath>

#include "WidgetPicture.h"

namespace cocos2d::extension {

UISlider::UISlider()
    : m_bar(std::make_unique<WidgetPicture>()), m_progress(std::make_unique<WidgetPicture>(kWidgetPictureZ + 1)),
      m_ballNormal(std::make_unique<WidgetPicture>(kWidgetPictureZ + 2)),
      m_ballPressed(std::make_unique<WidgetPicture>(kWidgetPictureZ + 2)),
      m_ballDisabled(std::make_unique<WidgetPicture>(kWidgetPictureZ + 2))
{
}

UISlider::~UISlider() = default;

UISlider* UISlider::create()
{
    auto* slider = new UISlider();
    if (slider->init()) {
        slider->autorelease();
        return slider;
    }
    delete slider;
    return nullptr;
}

bool UISlider::init()
{
    if (!UIWidget::init())
        return false;
    setTouchEnabled(true);
    return true;
}

void UISlider::loadBarTexture(const char* fileName, TextureResType texType)
{
    m_bar->load(this, fileName, texType);
    updateContentSize();
}

void UISlider::loadSlidBallTextures(const char* normal, const char* pressed, const char* disabled, TextureResType texType)
{
    m_ballNormal->load(this, normal, texType);
    m_ballPressed->load(this, pressed, texType);
    m_ballDisabled->load(this, disabled, texType);
    onPressStateChangedToNormal();
    onSizeChanged();
}

void UISlider::loadProgressBarTexture(const char* fileName, TextureResType texType)
{
    m_progress->load(this, fileName, texType);
    onSizeChanged();
}

void UISlider::setScale9Enabled(bool enabled)
{
    m_bar->setScale9(this, enabled);
    m_progress->setScale9(this, enabled);
    onSizeChanged();
}

void UISlider::setPercent(int percent)
{
    m_percent = std::clamp(percent, 0, 100);
    onSizeChanged();
}

void UISlider::addEventListenerSlider(CCObject* target, SEL_SlidPercentChangedEvent selector)
{
    m_target = target;
    m_selector = selector;
}

CCSize UISlider::getContentNaturalSize() const { return m_bar->naturalSize(); }

void UISlider::onSizeChanged()
{
    const float left = -m_size.width * m_anchorPoint.x;
    const float midY = m_size.height * (0.5f - m_anchorPoint.y);
    m_bar->fit(CCPoint(), m_anchorPoint, m_size, !m_ignoreSize);
    const float fraction = static_cast<float>(m_percent) / 100.f;
    m_progress->fit(CCPoint(left, midY), CCPoint(0, 0.5f), CCSize(m_size.width * fraction, m_size.height), true);
    const CCPoint ball(left + m_size.width * fraction, midY);
    for (WidgetPicture* p : {m_ballNormal.get(), m_ballPressed.get(), m_ballDisabled.get()})
        p->fit(ball, CCPoint(0.5f, 0.5f), p->naturalSize(), false);
    UIWidget::onSizeChanged();
}

void UISlider::onPressStateChangedToNormal()
{
    m_ballNormal->setVisible(true);
    m_ballPressed->setVisible(false);
    m_ballDisabled->setVisible(false);
}

void UISlider::onPressStateChangedToPressed()
{
    m_ballNormal->setVisible(m_ballPressed->empty());
    m_ballPressed->setVisible(!m_ballPressed->empty());
    m_ballDisabled->setVisible(false);
}

void UISlider::setPercentFromTouch(const CCPoint& worldPoint)
{
    if (m_size.width <= 0)
        return;
    CCPoint local = convertToNodeSpace(worldPoint);
    float fraction = (local.x + m_size.width * m_anchorPoint.x) / m_size.width;
    int percent = static_cast<int>(std::lround(std::clamp(fraction, 0.f, 1.f) * 100.f));
    if (percent == m_percent)
        return;
    setPercent(percent);
    if (m_target && m_selector)
        (m_target->*m_selector)(this, SLIDER_PERCENTCHANGED);
}

bool UISlider::onTouchBegan(const CCPoint& touchPoint)
{
    bool handled = UIWidget::onTouchBegan(touchPoint);
    setPercentFromTouch(touchPoint);
    return handled;
}

void UISlider::onTouchMoved(const CCPoint& touchPoint)
{
    UIWidget::onTouchMoved(touchPoint);
    setPercentFromTouch(touchPoint);
}

} // namespace cocos2d::extension

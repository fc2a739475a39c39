#include "extensions/gui/UIImageView.h"

#include "WidgetPicture.h"

namespace cocos2d::extension {

UIImageView::UIImageView() : m_picture(std::make_unique<WidgetPicture>()) {}
UIImageView::~UIImageView() = default;

UIImageView* UIImageView::create()
{
    auto* view = new UIImageView();
    if (view->init()) {
        view->autorelease();
        return view;
    }
    delete view;
    return nullptr;
}

void UIImageView::loadTexture(const char* fileName, TextureResType texType)
{
    m_picture->load(this, fileName, texType);
    updateContentSize();
}

void UIImageView::setScale9Enabled(bool enabled)
{
    m_picture->setScale9(this, enabled);
    ignoreContentAdaptWithSize(!enabled && m_ignoreSize);
}

bool UIImageView::isScale9Enabled() const { return m_picture->isScale9(); }
void UIImageView::setCapInsets(const CCRect& capInsets) { m_picture->setCapInsets(capInsets); }

void UIImageView::setFlipX(bool flipX)
{
    m_flipX = flipX;
    m_picture->setFlip(m_flipX, m_flipY);
}

void UIImageView::setFlipY(bool flipY)
{
    m_flipY = flipY;
    m_picture->setFlip(m_flipX, m_flipY);
}

CCNode* UIImageView::getVirtualRenderer() const { return m_picture->node(); }
CCSize UIImageView::getContentNaturalSize() const { return m_picture->naturalSize(); }

void UIImageView::onSizeChanged()
{
    m_picture->fit(CCPoint(), m_anchorPoint, m_size, !m_ignoreSize);
    UIWidget::onSizeChanged();
}

} // namespace cocos2d::extension

#include "extensions/gui/UILabelAtlas.h"

#include <algorithm>

#include "base/CCConsole.h"
#include "sprites/CCSprite.h"
#include "sprites/CCTexture2D.h"
#include "sprites/CCTextureCache.h"

namespace cocos2d::extension {

UILabelAtlas* UILabelAtlas::create()
{
    auto* label = new UILabelAtlas();
    if (label->init()) {
        label->autorelease();
        return label;
    }
    delete label;
    return nullptr;
}

void UILabelAtlas::setProperty(const char* stringValue, const char* charMapFile, int itemWidth, int itemHeight,
                               const char* startCharMap)
{
    m_text = stringValue ? stringValue : "";
    m_charMap = charMapFile ? charMapFile : "";
    m_itemWidth = itemWidth;
    m_itemHeight = itemHeight;
    m_startChar = (startCharMap && *startCharMap) ? static_cast<unsigned char>(*startCharMap) : '0';
    rebuild();
}

void UILabelAtlas::setStringValue(const char* value)
{
    m_text = value ? value : "";
    rebuild();
}

void UILabelAtlas::rebuild()
{
    if (m_glyphs)
        m_glyphs->removeFromParentAndCleanup(true);
    m_glyphs = CCNode::create();
    addChild(m_glyphs, kWidgetPictureZ);
    CCTexture2D* texture = m_charMap.empty() ? nullptr : CCTextureCache::sharedTextureCache()->addImage(m_charMap.c_str());
    if (!texture || m_itemWidth <= 0 || m_itemHeight <= 0) {
        if (!m_charMap.empty())
            CCLog("widget \"%s\": character map \"%s\" unusable", getName(), m_charMap.c_str());
        m_glyphs->setContentSize(CCSize());
        updateContentSize();
        return;
    }
    const int columns = std::max(1, static_cast<int>(texture->getContentSize().width) / m_itemWidth);
    const int rows = std::max(1, static_cast<int>(texture->getContentSize().height) / m_itemHeight);
    float x = 0;
    for (unsigned char c : m_text) {
        int index = static_cast<int>(c) - static_cast<int>(m_startChar);
        if (index >= 0 && index < columns * rows) {
            CCRect rect(static_cast<float>((index % columns) * m_itemWidth), static_cast<float>((index / columns) * m_itemHeight),
                        static_cast<float>(m_itemWidth), static_cast<float>(m_itemHeight));
            CCSprite* glyph = CCSprite::createWithTexture(texture, rect);
            glyph->setAnchorPoint(CCPoint(0, 0));
            glyph->setPosition(CCPoint(x, 0));
            m_glyphs->addChild(glyph);
        }
        x += static_cast<float>(m_itemWidth);
    }
    m_glyphs->setContentSize(CCSize(x, static_cast<float>(m_itemHeight)));
    updateContentSize();
}

CCSize UILabelAtlas::getContentNaturalSize() const { return m_glyphs ? m_glyphs->getContentSize() : CCSize(); }

void UILabelAtlas::onSizeChanged()
{
    if (m_glyphs) {
        m_glyphs->setAnchorPoint(m_anchorPoint);
        m_glyphs->setPosition(CCPoint());
    }
    UIWidget::onSizeChanged();
}

} // namespace cocos2d::extension

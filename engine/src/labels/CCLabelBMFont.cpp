#include "labels/CCLabelBMFont.h"

#include "base/CCConsole.h"
#include "labels/CCBMFontConfiguration.h"
#include "nodes/CCNodeRGBA.h"
#include "sprites/CCSprite.h"
#include "sprites/CCTexture2D.h"
#include "sprites/CCTextureCache.h"
#include "support/ccUTF8.h"

namespace cocos2d {

CCLabelBMFont::CCLabelBMFont()
{
    m_rgba.cascadeColorEnabled = true;
    m_rgba.cascadeOpacityEnabled = true;
}

CCLabelBMFont::~CCLabelBMFont()
{
    CC_SAFE_RELEASE(m_configuration);
}

CCLabelBMFont* CCLabelBMFont::create(const char* str, const char* fntFile, float width, CCTextAlignment alignment,
                                     CCPoint imageOffset)
{
    auto* l = new CCLabelBMFont();
    if (!l->initWithString(str, fntFile, width, alignment, imageOffset)) {
        delete l;
        return nullptr;
    }
    l->autorelease();
    return l;
}

void CCLabelBMFont::purgeCachedData()
{
    FNTConfigRemoveCache();
}

bool CCLabelBMFont::initWithString(const char* str, const char* fntFile, float width, CCTextAlignment alignment,
                                   CCPoint imageOffset)
{
    CCBMFontConfiguration* config = FNTConfigLoadFile(fntFile);
    if (!config) {
        CCLog("CCLabelBMFont: cannot load font %s", fntFile ? fntFile : "(null)");
        return false;
    }
    CCTexture2D* texture = CCTextureCache::sharedTextureCache()->addImage(config->getAtlasName());
    if (!texture) {
        CCLog("CCLabelBMFont: font %s names a page that cannot be loaded: %s", fntFile, config->getAtlasName());
        return false;
    }
    if (!initWithTexture(texture, 0))
        return false;
    config->retain();
    CC_SAFE_RELEASE(m_configuration);
    m_configuration = config;
    m_fntFile = fntFile;
    m_width = width;
    m_alignment = alignment;
    m_imageOffset = imageOffset;
    m_opacityModifyRGB = texture->hasPremultipliedAlpha();
    setAnchorPoint(CCPoint(0.5f, 0.5f));
    m_initialString = str ? str : "";
    updateLabel();
    return true;
}

void CCLabelBMFont::setString(const char* newString)
{
    m_initialString = newString ? newString : "";
    updateLabel();
}

void CCLabelBMFont::setAlignment(CCTextAlignment alignment)
{
    m_alignment = alignment;
    updateLabel();
}

void CCLabelBMFont::setWidth(float width)
{
    m_width = width;
    updateLabel();
}

void CCLabelBMFont::setLineBreakWithoutSpace(bool breakWithoutSpace)
{
    m_lineBreakWithoutSpaces = breakWithoutSpace;
    updateLabel();
}

void CCLabelBMFont::updateLabel()
{
    std::vector<unsigned> text = cc_utf8_to_codepoints(m_initialString);
    if (m_width > 0)
        text = wrapped(text);
    createFontChars(text);
    if (m_alignment != kCCTextAlignmentLeft)
        alignLines(text);
}

void CCLabelBMFont::createFontChars(const std::vector<unsigned>& text)
{
    const BMFontData& font = m_configuration->data();
    const float lineHeight = static_cast<float>(font.lineHeight);
    int lines = 1;
    for (unsigned c : text)
        if (c == '\n')
            ++lines;
    if (m_children)
        for (unsigned i = 0; i < m_children->count(); ++i)
            static_cast<CCNode*>(m_children->objectAtIndex(i))->setVisible(false);

    float penX = 0;
    float penY = lineHeight * static_cast<float>(lines - 1);
    float longestLine = 0;
    unsigned prev = 0;
    const BMFontDef* last = nullptr;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned c = text[i];
        if (c == '\n') {
            penX = 0;
            penY -= lineHeight;
            continue;
        }
        auto it = font.chars.find(c);
        if (it == font.chars.end()) {
            CCLog("CCLabelBMFont: character U+%04X is not in %s, skipped", c, m_fntFile.c_str());
            continue;
        }
        const BMFontDef& def = it->second;
        const float kerning = static_cast<float>(font.kerningAmount(prev, c));
        const CCRect rect(def.x + m_imageOffset.x, def.y + m_imageOffset.y, def.width, def.height);
        const int tag = static_cast<int>(i);
        auto* glyph = static_cast<CCSprite*>(getChildByTag(tag));
        if (!glyph) {
            glyph = CCSprite::createWithTexture(m_texture, rect);
            addChild(glyph, tag, tag);
        } else {
            glyph->setTextureRect(rect, false, rect.size);
            glyph->setVisible(true);
        }
        glyph->updateDisplayedColor(m_rgba.displayedColor);
        glyph->updateDisplayedOpacity(m_rgba.displayedOpacity);
        glyph->setPosition(CCPoint(penX + static_cast<float>(def.xOffset) + def.width * 0.5f + kerning,
                                   penY + (lineHeight - static_cast<float>(def.yOffset)) - def.height * 0.5f));
        penX += static_cast<float>(def.xAdvance) + kerning;
        prev = c;
        if (penX > longestLine)
            longestLine = penX;
        last = &def;
    }
    float width = longestLine;
    if (last && static_cast<float>(last->xAdvance) < last->width)
        width = longestLine + last->width - static_cast<float>(last->xAdvance);
    setContentSize(CCSize(width, lineHeight * static_cast<float>(lines)));
}

void CCLabelBMFont::setColor(const ccColor3B& color)
{
    rgba::setColor(this, m_rgba, color);
}

void CCLabelBMFont::updateDisplayedColor(const ccColor3B& color)
{
    rgba::updateDisplayedColor(this, m_rgba, color);
}

void CCLabelBMFont::setOpacity(GLubyte opacity)
{
    rgba::setOpacity(this, m_rgba, opacity);
}

void CCLabelBMFont::updateDisplayedOpacity(GLubyte opacity)
{
    rgba::updateDisplayedOpacity(this, m_rgba, opacity);
}

void CCLabelBMFont::setOpacityModifyRGB(bool value)
{
    m_opacityModifyRGB = value;
    if (m_children)
        for (unsigned i = 0; i < m_children->count(); ++i)
            if (auto* p = dynamic_cast<CCRGBAProtocol*>(m_children->objectAtIndex(i)))
                p->setOpacityModifyRGB(value);
}

} // namespace cocos2d

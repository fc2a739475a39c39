// Width wrapping and line alignment of CCLabelBMFont.
#include "labels/CCBMFontConfiguration.h"
#include "labels/CCLabelBMFont.h"

namespace cocos2d {

std::vector<unsigned> CCLabelBMFont::wrapped(const std::vector<unsigned>& text) const
{
    const BMFontData& font = m_configuration->data();
    std::vector<unsigned> out;
    out.reserve(text.size() + 8);
    std::size_t lineStart = 0;
    long lastSpace = -1;

    // Pen x at the end of out[from..), as the layout would place it.
    auto penAfter = [&](std::size_t from) {
        float pen = 0;
        unsigned prev = 0;
        for (std::size_t i = from; i < out.size(); ++i) {
            auto it = font.chars.find(out[i]);
            if (it == font.chars.end())
                continue;
            const int k = font.kerningAmount(prev, out[i]);
            pen += static_cast<float>(it->second.xAdvance + k);
            prev = out[i];
        }
        return pen;
    };
    auto lastGlyph = [&](std::size_t from) {
        unsigned prev = 0;
        for (std::size_t i = from; i < out.size(); ++i)
            if (font.chars.count(out[i]))
                prev = out[i];
        return prev;
    };

    for (unsigned c : text) {
        if (c == '\n') {
            out.push_back(c);
            lineStart = out.size();
            lastSpace = -1;
            continue;
        }
        auto it = font.chars.find(c);
        if (it == font.chars.end()) {
            out.push_back(c);
            continue;
        }
        const BMFontDef& def = it->second;
        const float pen = penAfter(lineStart);
        const float right = pen + static_cast<float>(font.kerningAmount(lastGlyph(lineStart), c) + def.xOffset) +
                            def.width;
        const bool lineHasGlyphs = pen > 0;
        if (right > m_width && lineHasGlyphs) {
            if (c == ' ') {
                // The space that would overflow becomes the break itself.
                out.push_back('\n');
                lineStart = out.size();
                lastSpace = -1;
                continue;
            }
            if (lastSpace >= 0 && !m_lineBreakWithoutSpaces) {
                out[static_cast<std::size_t>(lastSpace)] = '\n';
                lineStart = static_cast<std::size_t>(lastSpace) + 1;
                lastSpace = -1;
            } else if (m_lineBreakWithoutSpaces) {
                out.push_back('\n');
                lineStart = out.size();
                lastSpace = -1;
            }
        }
        out.push_back(c);
        if (c == ' ')
            lastSpace = static_cast<long>(out.size()) - 1;
    }
    return out;
}

void CCLabelBMFont::alignLines(const std::vector<unsigned>& text)
{
    const float contentWidth = m_contentSize.width;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\n')
            ++end;
        CCNode* lastGlyph = nullptr;
        for (std::size_t i = start; i < end; ++i)
            if (CCNode* g = getChildByTag(static_cast<int>(i)); g && g->isVisible())
                lastGlyph = g;
        if (lastGlyph) {
            const float lineWidth = lastGlyph->getPosition().x + lastGlyph->getContentSize().width / 2.0f;
            const float shift = m_alignment == kCCTextAlignmentCenter ? (contentWidth - lineWidth) / 2.0f
                                                                      : contentWidth - lineWidth;
            for (std::size_t i = start; i < end; ++i)
                if (CCNode* g = getChildByTag(static_cast<int>(i)); g && g->isVisible())
                    g->setPosition(g->getPosition() + CCPoint(shift, 0));
        }
        start = end + 1;
    }
}

} // namespace cocos2d

// Text rendered with a TrueType font into a texture shown by the sprite part; the text is white and
// takes the sprite's colour. Any change of text, font or layout renders it again.
#pragma once

#include <string>

#include "sprites/CCSprite.h"

namespace cocos2d {

class CCLabelTTF : public CCSprite {
public:
    CCLabelTTF();
    ~CCLabelTTF() override;

    // Null (with a log line naming the font) when a ".ttf" font cannot be found.
    static CCLabelTTF* create();
    static CCLabelTTF* create(const char* string, const char* fontName, float fontSize);
    static CCLabelTTF* create(const char* string, const char* fontName, float fontSize, const CCSize& dimensions,
                              CCTextAlignment hAlignment);
    static CCLabelTTF* create(const char* string, const char* fontName, float fontSize, const CCSize& dimensions,
                              CCTextAlignment hAlignment, CCVerticalTextAlignment vAlignment);

    bool init() override;
    bool initWithString(const char* string, const char* fontName, float fontSize);
    bool initWithString(const char* string, const char* fontName, float fontSize, const CCSize& dimensions,
                        CCTextAlignment hAlignment, CCVerticalTextAlignment vAlignment);

    void setString(const char* string);
    const char* getString() const { return m_string.c_str(); }
    std::string debugText() const override { return m_string; }

    CCTextAlignment getHorizontalAlignment() const { return m_hAlignment; }
    void setHorizontalAlignment(CCTextAlignment alignment);
    CCVerticalTextAlignment getVerticalAlignment() const { return m_vAlignment; }
    void setVerticalAlignment(CCVerticalTextAlignment alignment);
    const CCSize& getDimensions() const { return m_dimensions; }
    void setDimensions(const CCSize& dimensions);
    float getFontSize() const { return m_fontSize; }
    void setFontSize(float fontSize);
    const char* getFontName() const { return m_fontName.c_str(); }
    void setFontName(const char* fontName);

private:
    bool updateTexture();

    std::string m_string;
    std::string m_fontName = "Arial";
    float m_fontSize = 12;
    CCSize m_dimensions;
    CCTextAlignment m_hAlignment = kCCTextAlignmentCenter;
    CCVerticalTextAlignment m_vAlignment = kCCVerticalTextAlignmentTop;
};

} // namespace cocos2d

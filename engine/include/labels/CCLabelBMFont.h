// Text drawn from a bitmap font page: one child sprite per character (tag = z = index in the
// string), colour and opacity cascading to them. Layout follows the AngelCode metrics exactly.
#pragma once

#include <string>
#include <vector>

#include "nodes/CCRGBAProtocol.h"
#include "sprites/CCSpriteBatchNode.h"

namespace cocos2d {

class CCBMFontConfiguration;

enum { kCCLabelAutomaticWidth = -1 };

class CCLabelBMFont : public CCSpriteBatchNode, public CCRGBAProtocol {
public:
    CCLabelBMFont();
    ~CCLabelBMFont() override;

    // Null (with a log line naming the file) when the font or its page picture cannot be loaded.
    static CCLabelBMFont* create(const char* str, const char* fntFile, float width = kCCLabelAutomaticWidth,
                                 CCTextAlignment alignment = kCCTextAlignmentLeft,
                                 CCPoint imageOffset = CCPointZero);
    static void purgeCachedData();

    bool initWithString(const char* str, const char* fntFile, float width, CCTextAlignment alignment,
                        CCPoint imageOffset);

    void setString(const char* newString);
    const char* getString() const { return m_initialString.c_str(); }
    std::string debugText() const override { return m_initialString; }
    void setCString(const char* label) { setString(label); }

    void setAlignment(CCTextAlignment alignment);
    void setWidth(float width);
    void setLineBreakWithoutSpace(bool breakWithoutSpace);
    const char* getFntFile() const { return m_fntFile.c_str(); }
    CCBMFontConfiguration* getConfiguration() const { return m_configuration; }

    // CCRGBAProtocol: cascading on by default.
    void setColor(const ccColor3B& color) override;
    const ccColor3B& getColor() override { return m_rgba.realColor; }
    const ccColor3B& getDisplayedColor() override { return m_rgba.displayedColor; }
    GLubyte getDisplayedOpacity() override { return m_rgba.displayedOpacity; }
    GLubyte getOpacity() override { return m_rgba.realOpacity; }
    void setOpacity(GLubyte opacity) override;
    void setOpacityModifyRGB(bool value) override;
    bool isOpacityModifyRGB() override { return m_opacityModifyRGB; }
    bool isCascadeColorEnabled() override { return m_rgba.cascadeColorEnabled; }
    void setCascadeColorEnabled(bool enabled) override { m_rgba.cascadeColorEnabled = enabled; }
    void updateDisplayedColor(const ccColor3B& color) override;
    bool isCascadeOpacityEnabled() override { return m_rgba.cascadeOpacityEnabled; }
    void setCascadeOpacityEnabled(bool enabled) override { m_rgba.cascadeOpacityEnabled = enabled; }
    void updateDisplayedOpacity(GLubyte opacity) override;

private:
    // Code points of text, laid out as glyph children; sets the content size.
    void createFontChars(const std::vector<unsigned>& text);
    void updateLabel();
    std::vector<unsigned> wrapped(const std::vector<unsigned>& text) const;
    void alignLines(const std::vector<unsigned>& text);

    std::string m_initialString;
    std::string m_fntFile;
    CCBMFontConfiguration* m_configuration = nullptr;
    CCTextAlignment m_alignment = kCCTextAlignmentLeft;
    float m_width = -1;
    bool m_lineBreakWithoutSpaces = false;
    CCPoint m_imageOffset;
    RGBAState m_rgba;
    bool m_opacityModifyRGB = false;
};

} // namespace cocos2d

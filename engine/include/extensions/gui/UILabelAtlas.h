// Digits (or any run of characters) cut from a character-map picture of fixed-size cells.
#pragma once

#include <string>

#include "extensions/gui/UIWidget.h"

namespace cocos2d::extension {

class UILabelAtlas : public UIWidget {
public:
    static UILabelAtlas* create();
    std::string getDescription() const override { return "LabelAtlas"; }
    std::string debugText() const override { return m_text; }

    void setProperty(const char* stringValue, const char* charMapFile, int itemWidth, int itemHeight,
                     const char* startCharMap);
    void setStringValue(const char* value);
    const char* getStringValue() const { return m_text.c_str(); }

protected:
    CCSize getContentNaturalSize() const override;
    void onSizeChanged() override;

private:
    void rebuild();

    CCNode* m_glyphs = nullptr;
    std::string m_text, m_charMap;
    int m_itemWidth = 0, m_itemHeight = 0;
    unsigned char m_startChar = '0';
};

} // namespace cocos2d::extension

// Text in a TrueType font; with a text area (both sides) it wraps and aligns inside that box.
#pragma once

#include "extensions/gui/UIWidget.h"

namespace cocos2d {
class CCLabelTTF;
}

namespace cocos2d::extension {

class UILabel : public UIWidget {
public:
    static UILabel* create();
    bool init() override;
    std::string getDescription() const override { return "Label"; }
    std::string debugText() const override;

    void setText(const char* text);
    const char* getStringValue() const;
    int getStringLength() const;
    void setFontSize(int size);
    void setFontName(const char* name);
    void setTextAreaSize(const CCSize& size);
    void setTextHorizontalAlignment(CCTextAlignment alignment);
    void setTextVerticalAlignment(CCVerticalTextAlignment alignment);
    // Pressed labels grow by 0.5.
    void setTouchScaleChangeEnabled(bool enabled) { m_touchScale = enabled; }
    bool isTouchScaleChangeEnabled() const { return m_touchScale; }
    CCLabelTTF* getVirtualRenderer() const { return m_label; }

protected:
    CCSize getContentNaturalSize() const override;
    void onSizeChanged() override;
    void onPressStateChangedToNormal() override;
    void onPressStateChangedToPressed() override;

private:
    CCLabelTTF* m_label = nullptr;
    bool m_touchScale = false;
};

} // namespace cocos2d::extension

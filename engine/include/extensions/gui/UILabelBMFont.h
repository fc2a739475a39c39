// Text in a bitmap font (.fnt file).
#pragma once

#include <string>

#include "extensions/gui/UIWidget.h"

namespace cocos2d {
class CCLabelBMFont;
}

namespace cocos2d::extension {

class UILabelBMFont : public UIWidget {
public:
    static UILabelBMFont* create();
    std::string getDescription() const override { return "LabelBMFont"; }
    std::string debugText() const override { return m_text; }

    // Logged and left empty when the font cannot be read.
    void setFntFile(const char* fileName);
    void setText(const char* value);
    const char* getStringValue() const { return m_text.c_str(); }
    CCLabelBMFont* getVirtualRenderer() const { return m_label; }

protected:
    CCSize getContentNaturalSize() const override;
    void onSizeChanged() override;

private:
    CCLabelBMFont* m_label = nullptr;
    std::string m_text;
};

} // namespace cocos2d::extension

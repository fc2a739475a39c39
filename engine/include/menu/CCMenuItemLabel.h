// An item showing a label; selecting zooms it to 1.2 times over 0.1 s, unselecting zooms back.
#pragma once

#include "menu/CCMenuItem.h"

namespace cocos2d {

class CCMenuItemLabel : public CCMenuItem {
public:
    static CCMenuItemLabel* create(CCNode* label, CCObject* target, SEL_MenuHandler selector);
    static CCMenuItemLabel* create(CCNode* label);
    bool initWithLabel(CCNode* label, CCObject* target, SEL_MenuHandler selector);

    CCNode* getLabel() { return m_label; }
    void setLabel(CCNode* label);
    // Works for CCLabelTTF and CCLabelBMFont labels.
    void setString(const char* label);
    const ccColor3B& getDisabledColor() const { return m_disabledColor; }
    void setDisabledColor(const ccColor3B& color) { m_disabledColor = color; }

    void activate() override;
    void selected() override;
    void unselected() override;
    void setEnabled(bool enabled) override;

protected:
    CCNode* m_label = nullptr;
    ccColor3B m_colorBackup = ccWHITE;
    ccColor3B m_disabledColor = {126, 126, 126};
    float m_originalScale = 1.0f;
};

} // namespace cocos2d

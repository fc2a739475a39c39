// An item showing one of three images (normal, selected, disabled) as children.
#pragma once

#include "menu/CCMenuItem.h"

namespace cocos2d {

class CCMenuItemSprite : public CCMenuItem {
public:
    static CCMenuItemSprite* create(CCNode* normalSprite, CCNode* selectedSprite, CCNode* disabledSprite = nullptr);
    static CCMenuItemSprite* create(CCNode* normalSprite, CCNode* selectedSprite, CCObject* target,
                                    SEL_MenuHandler selector);
    static CCMenuItemSprite* create(CCNode* normalSprite, CCNode* selectedSprite, CCNode* disabledSprite,
                                    CCObject* target, SEL_MenuHandler selector);
    bool initWithNormalSprite(CCNode* normalSprite, CCNode* selectedSprite, CCNode* disabledSprite,
                              CCObject* target, SEL_MenuHandler selector);

    CCNode* getNormalImage() { return m_normalImage; }
    void setNormalImage(CCNode* image);
    CCNode* getSelectedImage() { return m_selectedImage; }
    void setSelectedImage(CCNode* image);
    CCNode* getDisabledImage() { return m_disabledImage; }
    void setDisabledImage(CCNode* image);

    void selected() override;
    void unselected() override;
    void setEnabled(bool enabled) override;

protected:
    void updateImagesVisibility();
    void replaceImage(CCNode*& slot, CCNode* image, int tag);

    CCNode* m_normalImage = nullptr;
    CCNode* m_selectedImage = nullptr;
    CCNode* m_disabledImage = nullptr;
};

} // namespace cocos2d

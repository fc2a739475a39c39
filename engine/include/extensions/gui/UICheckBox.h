// Check box: a release inside toggles it and reports SELECTED or UNSELECTED (after the ENDED touch event).
#pragma once

#include <memory>

#include "extensions/gui/UIWidget.h"

namespace cocos2d::extension {

class WidgetPicture;

typedef enum { CHECKBOX_STATE_EVENT_SELECTED, CHECKBOX_STATE_EVENT_UNSELECTED } CheckBoxEventType;
typedef void (CCObject::*SEL_SelectedStateEvent)(CCObject*, CheckBoxEventType);
#define checkboxselectedeventselector(_SELECTOR) (::cocos2d::extension::SEL_SelectedStateEvent)(&_SELECTOR)

class UICheckBox : public UIWidget {
public:
    UICheckBox();
    ~UICheckBox() override;
    static UICheckBox* create();
    bool init() override;
    std::string getDescription() const override { return "CheckBox"; }

    void loadTextures(const char* backGround, const char* backGroundSelected, const char* cross,
                      const char* backGroundDisabled, const char* frontCrossDisabled,
                      TextureResType texType = UI_TEX_TYPE_LOCAL);
    void loadTextureBackGround(const char* name, TextureResType texType = UI_TEX_TYPE_LOCAL);
    void loadTextureBackGroundSelected(const char* name, TextureResType texType = UI_TEX_TYPE_LOCAL);
    void loadTextureFrontCross(const char* name, TextureResType texType = UI_TEX_TYPE_LOCAL);
    void loadTextureBackGroundDisabled(const char* name, TextureResType texType = UI_TEX_TYPE_LOCAL);
    void loadTextureFrontCrossDisabled(const char* name, TextureResType texType = UI_TEX_TYPE_LOCAL);
    void setSelectedState(bool selected);
    bool getSelectedState() const { return m_selected; }
    void addEventListenerCheckBox(CCObject* target, SEL_SelectedStateEvent selector);

protected:
    CCSize getContentNaturalSize() const override;
    void onSizeChanged() override;
    void onPressStateChangedToNormal() override;
    void onPressStateChangedToPressed() override;
    void onPressStateChangedToDisabled() override;
    void onTouchReleasedInside() override;

private:
    void refresh();
    std::unique_ptr<WidgetPicture> m_box, m_boxSelected, m_cross, m_boxDisabled, m_crossDisabled;
    bool m_selected = false;
    bool m_pressed = false;
    CCObject* m_target = nullptr;
    SEL_SelectedStateEvent m_selector = nullptr;
};

} // namespace cocos2d::extension

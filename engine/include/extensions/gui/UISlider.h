// A bar with a ball the finger drags; percent 0..100, reported through the listener on every change.
#pragma once

#include <memory>

#include "extensions/gui/UIWidget.h"

namespace cocos2d::extension {

class WidgetPicture;

typedef enum { SLIDER_PERCENTCHANGED } SliderEventType;
typedef void (CCObject::*SEL_SlidPercentChangedEvent)(CCObject*, SliderEventType);
#define sliderpercentchangedselector(_SELECTOR) (::cocos2d::extension::SEL_SlidPercentChangedEvent)(&_SELECTOR)

class UISlider : public UIWidget {
public:
    UISlider();
    ~UISlider() override;
    static UISlider* create();
    bool init() override;
    std::string getDescription() const override { return "Slider"; }

    void loadBarTexture(const char* fileName, TextureResType texType = UI_TEX_TYPE_LOCAL);
    void loadSlidBallTextures(const char* normal, const char* pressed, const char* disabled,
                              TextureResType texType = UI_TEX_TYPE_LOCAL);
    void loadProgressBarTexture(const char* fileName, TextureResType texType = UI_TEX_TYPE_LOCAL);
    void setScale9Enabled(bool enabled);
    void setPercent(int percent);
    int getPercent() const { return m_percent; }
    void addEventListenerSlider(CCObject* target, SEL_SlidPercentChangedEvent selector);

    bool onTouchBegan(const CCPoint& touchPoint) override;
    void onTouchMoved(const CCPoint& touchPoint) override;

protected:
    CCSize getContentNaturalSize() const override;
    void onSizeChanged() override;
    void onPressStateChangedToNormal() override;
    void onPressStateChangedToPressed() override;

private:
    void setPercentFromTouch(const CCPoint& worldPoint);
    std::unique_ptr<WidgetPicture> m_bar, m_progress, m_ballNormal, m_ballPressed, m_ballDisabled;
    int m_percent = 0;
    CCObject* m_target = nullptr;
    SEL_SlidPercentChangedEvent m_selector = nullptr;
};

} // namespace cocos2d::extension

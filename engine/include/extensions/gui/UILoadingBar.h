// A bar picture shown up to percent (0..100) of its width, from the left or from the right.
#pragma once

#include <memory>

#include "extensions/gui/UIWidget.h"

namespace cocos2d::extension {

class WidgetPicture;

typedef enum { LoadingBarTypeLeft, LoadingBarTypeRight } LoadingBarType;

class UILoadingBar : public UIWidget {
public:
    UILoadingBar();
    ~UILoadingBar() override;
    static UILoadingBar* create();
    std::string getDescription() const override { return "LoadingBar"; }

    void loadTexture(const char* fileName, TextureResType texType = UI_TEX_TYPE_LOCAL);
    void setDirection(LoadingBarType direction);
    LoadingBarType getDirection() const { return m_direction; }
    // Values outside 0..100 are ignored.
    void setPercent(int percent);
    int getPercent() const { return m_percent; }
    void setScale9Enabled(bool enabled);
    void setCapInsets(const CCRect& capInsets);

protected:
    CCSize getContentNaturalSize() const override;
    void onSizeChanged() override;

private:
    std::unique_ptr<WidgetPicture> m_bar;
    LoadingBarType m_direction = LoadingBarTypeLeft;
    int m_percent = 100;
    CCRect m_fullRect; // the whole bar in its texture
};

} // namespace cocos2d::extension

// Button with normal, pressed and disabled pictures (files or sprite frames, optionally nine-slice) and a
// centred title. Without a pressed picture the normal one grows by 0.1 while pressed.
#pragma once

#include <memory>

#include "extensions/gui/UIWidget.h"

namespace cocos2d {
class CCLabelTTF;
}

namespace cocos2d::extension {

class WidgetPicture;

class UIButton : public UIWidget {
public:
    UIButton();
    ~UIButton() override;
    static UIButton* create();
    bool init() override;
    std::string getDescription() const override { return "Button"; }

    void loadTextures(const char* normal, const char* selected, const char* disabled,
                      TextureResType texType = UI_TEX_TYPE_LOCAL);
    void loadTextureNormal(const char* normal, TextureResType texType = UI_TEX_TYPE_LOCAL);
    void loadTexturePressed(const char* selected, TextureResType texType = UI_TEX_TYPE_LOCAL);
    void loadTextureDisabled(const char* disabled, TextureResType texType = UI_TEX_TYPE_LOCAL);
    void setScale9Enabled(bool enabled);
    bool isScale9Enabled() const { return m_scale9; }
    void setCapInsets(const CCRect& capInsets);
    void setCapInsetsNormalRenderer(const CCRect& capInsets);
    void setCapInsetsPressedRenderer(const CCRect& capInsets);
    void setCapInsetsDisabledRenderer(const CCRect& capInsets);
    void setPressedActionEnabled(bool enabled) { m_pressedAction = enabled; }
    void setFlipX(bool flipX);
    void setFlipY(bool flipY);

    void setTitleText(const char* text);
    const char* getTitleText() const;
    void setTitleColor(const ccColor3B& color);
    const ccColor3B& getTitleColor() const;
    void setTitleFontSize(float size);
    float getTitleFontSize() const;
    void setTitleFontName(const char* fontName);
    const char* getTitleFontName() const;
    CCLabelTTF* getTitleRenderer() const { return m_title; }

protected:
    CCSize getContentNaturalSize() const override;
    void onSizeChanged() override;
    void onPressStateChangedToNormal() override;
    void onPressStateChangedToPressed() override;
    void onPressStateChangedToDisabled() override;

private:
    void showOnly(WidgetPicture* picture);

    std::unique_ptr<WidgetPicture> m_normal, m_pressed, m_disabled;
    CCLabelTTF* m_title = nullptr;
    bool m_scale9 = false;
    bool m_pressedAction = false;
};

} // namespace cocos2d::extension

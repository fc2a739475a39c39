// A picture from a file or a sprite frame; nine-slice when enabled (then it takes the custom size).
#pragma once

#include <memory>

#include "extensions/gui/UIWidget.h"

namespace cocos2d::extension {

class WidgetPicture;

class UIImageView : public UIWidget {
public:
    UIImageView();
    ~UIImageView() override;
    static UIImageView* create();
    std::string getDescription() const override { return "ImageView"; }

    void loadTexture(const char* fileName, TextureResType texType = UI_TEX_TYPE_LOCAL);
    void setScale9Enabled(bool enabled);
    bool isScale9Enabled() const;
    void setCapInsets(const CCRect& capInsets);
    void setFlipX(bool flipX);
    void setFlipY(bool flipY);
    CCNode* getVirtualRenderer() const;

protected:
    CCSize getContentNaturalSize() const override;
    void onSizeChanged() override;

private:
    std::unique_ptr<WidgetPicture> m_picture;
    bool m_flipX = false, m_flipY = false;
};

} // namespace cocos2d::extension

// Container widget (Panel in the editor): a background colour, gradient or picture, optional clipping to
// its rectangle (which also limits touches of its descendants), and absolute or linear layout.
#pragma once

#include <memory>

#include "extensions/gui/UIWidget.h"

namespace cocos2d::extension {

class WidgetPicture;

typedef enum { LAYOUT_COLOR_NONE, LAYOUT_COLOR_SOLID, LAYOUT_COLOR_GRADIENT } LayoutBackGroundColorType;
typedef enum { LAYOUT_ABSOLUTE, LAYOUT_LINEAR_VERTICAL, LAYOUT_LINEAR_HORIZONTAL, LAYOUT_RELATIVE } LayoutType;
class UILayout : public UIWidget {
public:
    UILayout();
    ~UILayout() override;
    static UILayout* create();
    bool init() override;
    std::string getDescription() const override { return "Layout"; }
    bool isContainer() const override { return true; }

    void setBackGroundImage(const char* fileName, TextureResType texType = UI_TEX_TYPE_LOCAL);
    void setBackGroundImageScale9Enabled(bool enabled);
    void setBackGroundImageCapInsets(const CCRect& capInsets);
    void removeBackGroundImage();
    void setBackGroundColorType(LayoutBackGroundColorType type) { m_colorType = type; }
    LayoutBackGroundColorType getBackGroundColorType() const { return m_colorType; }
    void setBackGroundColor(const ccColor3B& color) { m_color = color; }
    void setBackGroundColor(const ccColor3B& startColor, const ccColor3B& endColor);
    const ccColor3B& getBackGroundColor() const { return m_color; }
    void setBackGroundColorOpacity(int opacity) { m_colorOpacity = opacity; }
    int getBackGroundColorOpacity() const { return m_colorOpacity; }
    void setBackGroundColorVector(const CCPoint& vector) { m_gradientVector = vector; }

    virtual void setClippingEnabled(bool enabled) { m_clipping = enabled; }
    bool isClippingEnabled() const { return m_clipping; }
    void setLayoutType(LayoutType type);
    LayoutType getLayoutType() const { return m_layoutType; }
    // Arranges the children by the layout type (absolute leaves them where they are).
    virtual void doLayout();

    void visit() override;
    void draw() override;
    // Background quads in node space (tests).
    void buildBackground(std::vector<ccV3F_C4B_T2F>& out) const;

protected:
    void onSizeChanged() override;

    std::unique_ptr<WidgetPicture> m_background;
    LayoutBackGroundColorType m_colorType = LAYOUT_COLOR_NONE;
    ccColor3B m_color = ccWHITE;
    ccColor3B m_startColor = ccWHITE, m_endColor = ccWHITE;
    CCPoint m_gradientVector = CCPoint(0, -1);
    int m_colorOpacity = 255;
    bool m_clipping = false;
    LayoutType m_layoutType = LAYOUT_ABSOLUTE;
};

typedef UILayout UIPanel;

} // namespace cocos2d::extension

// One picture of a widget (normal, pressed, background...): a sprite or a nine-slice, from an image
// file or a sprite frame, kept as a child of the widget below its child widgets.
#pragma once

#include <string>

#include "base/CCGeometry.h"
#include "extensions/gui/UIWidget.h"

namespace cocos2d::extension {

class WidgetPicture {
public:
    explicit WidgetPicture(int z = kWidgetPictureZ) : m_z(z) {}
    ~WidgetPicture();
    WidgetPicture(const WidgetPicture&) = delete;
    WidgetPicture& operator=(const WidgetPicture&) = delete;

    // Replaces the picture. An empty name clears it. False (logged) when it cannot be loaded.
    bool load(UIWidget* owner, const char* fileName, TextureResType type);
    void setScale9(UIWidget* owner, bool enabled);
    bool isScale9() const { return m_scale9; }
    void setCapInsets(const CCRect& capInsets);
    const CCRect& getCapInsets() const { return m_capInsets; }
    bool empty() const { return m_node == nullptr; }
    CCSize naturalSize() const { return m_naturalSize; }
    // Places the picture's anchor at position; stretches (or resizes the nine-slice) to size when asked.
    void fit(const CCPoint& position, const CCPoint& anchor, const CCSize& size, bool stretch);
    void setVisible(bool visible);
    // Extra zoom on top of the fit (pressed buttons without a pressed picture).
    void setZoom(float zoom);
    void setFlip(bool flipX, bool flipY);
    CCNode* node() const { return m_node; }
    const std::string& fileName() const { return m_file; }

private:
    void rebuild(UIWidget* owner);
    void applyScale();

    CCNode* m_node = nullptr; // retained, also a child of the owner
    std::string m_file;
    TextureResType m_type = UI_TEX_TYPE_LOCAL;
    bool m_scale9 = false;
    CCRect m_capInsets;
    CCSize m_naturalSize;
    CCSize m_fitSize;
    bool m_stretch = false;
    float m_zoom = 1;
    bool m_visible = true;
    bool m_flipX = false, m_flipY = false;
    int m_z;
};

} // namespace cocos2d::extension

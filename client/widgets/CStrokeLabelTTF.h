// A text label with a black outline, drawn once into an off-screen texture; rebuilt only when its
// text, colour or anchor changes. Without a render texture it shows the plain label.
#pragma once

#include "cocos2d.h"

#include <string>

class CStrokeLabelTTF : public cocos2d::CCNode {
public:
    static CStrokeLabelTTF* create(const std::string& text, const std::string& fontName, float fontSize);
    ~CStrokeLabelTTF() override;

    void setString(const std::string& text);
    // The fill colour; the outline stays black.
    void setColor(const cocos2d::ccColor3B& colour);
    void setAnchorPoint(const cocos2d::CCPoint& point) override;

    cocos2d::CCLabelTTF* label() const { return m_label; }
    // The outlined text, or null when only the plain label could be shown.
    cocos2d::CCSprite* sprite() const { return m_sprite; }
    int renderCount() const { return m_renders; }

private:
    bool initLabel(const std::string& text, const std::string& fontName, float fontSize);
    void render();

    float m_strokeSize = 1.0f;
    cocos2d::ccColor3B m_strokeColour = {0, 0, 0};
    cocos2d::CCSprite* m_sprite = nullptr;
    cocos2d::CCLabelTTF* m_label = nullptr;
    cocos2d::CCPoint m_anchor = {0.5f, 0.5f};
    int m_renders = 0;
};

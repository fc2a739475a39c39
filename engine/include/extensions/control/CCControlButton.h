// Button control with a title label and a nine-slice background per state (cocos2d-x 2.2). Touch down
// highlights it (and zooms to 1.1 in 0.05 s unless zoomOnTouchDown is off); release inside sends
// TouchUpInside, outside TouchUpOutside. The background wraps the title with margins unless a preferred
// size is set.
#pragma once

#include <map>
#include <string>

#include "extensions/control/CCControl.h"

namespace cocos2d {
class CCString;
class CCSpriteFrame;
}

namespace cocos2d::extension {

class CCScale9Sprite;

class CCControlButton : public CCControl {
public:
    CCControlButton();
    ~CCControlButton() override;
    static CCControlButton* create();
    static CCControlButton* create(CCNode* label, CCScale9Sprite* backgroundSprite);
    static CCControlButton* create(std::string title, const char* fontName, float fontSize);
    static CCControlButton* create(CCScale9Sprite* sprite);
    bool init() override;
    virtual bool initWithLabelAndBackgroundSprite(CCNode* label, CCScale9Sprite* backgroundSprite);

    void needsLayout() override;
    void setHighlighted(bool highlighted) override;
    void setEnabled(bool enabled) override;

    CCString* getTitleForState(CCControlState state);
    void setTitleForState(CCString* title, CCControlState state);
    const ccColor3B getTitleColorForState(CCControlState state);
    void setTitleColorForState(ccColor3B color, CCControlState state);
    CCNode* getTitleLabelForState(CCControlState state);
    void setTitleLabelForState(CCNode* label, CCControlState state);
    CCScale9Sprite* getBackgroundSpriteForState(CCControlState state);
    void setBackgroundSpriteForState(CCScale9Sprite* sprite, CCControlState state);
    void setBackgroundSpriteFrameForState(CCSpriteFrame* spriteFrame, CCControlState state);

    CCNode* getTitleLabel() const { return m_titleLabel; }
    CCScale9Sprite* getBackgroundSprite() const { return m_background; }
    void setPreferredSize(CCSize size);
    CCSize getPreferredSize() const { return m_preferredSize; }
    void setZoomOnTouchDown(bool zoom) { m_zoomOnTouchDown = zoom; }
    bool getZoomOnTouchDown() const { return m_zoomOnTouchDown; }
    void setAdjustBackgroundImage(bool adjust);
    bool doesAdjustBackgroundImage() const { return m_adjustBackground; }
    void setMargins(int marginH, int marginV);
    bool isPushed() const { return m_pushed; }

    bool ccTouchBegan(CCTouch* touch, CCEvent* event) override;
    void ccTouchMoved(CCTouch* touch, CCEvent* event) override;
    void ccTouchEnded(CCTouch* touch, CCEvent* event) override;
    void ccTouchCancelled(CCTouch* touch, CCEvent* event) override;

private:
    template <typename T>
    static T* forState(std::map<CCControlState, T*>& map, CCControlState state);

    CCNode* m_titleLabel = nullptr;     // the current one, a child
    CCScale9Sprite* m_background = nullptr; // the current one, a child
    std::map<CCControlState, CCString*> m_titles;      // retained
    std::map<CCControlState, ccColor3B> m_titleColors;
    std::map<CCControlState, CCNode*> m_titleLabels;   // retained
    std::map<CCControlState, CCScale9Sprite*> m_backgrounds; // retained
    CCSize m_preferredSize;
    bool m_zoomOnTouchDown = true;
    bool m_adjustBackground = true;
    bool m_pushed = false;
    bool m_inside = false;
    int m_marginH = 8, m_marginV = 2;
};

} // namespace cocos2d::extension

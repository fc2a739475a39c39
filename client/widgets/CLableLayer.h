// A clipped panel of wrapped text (420 x 260) that the player drags or scrolls with the mouse wheel.
// Built to stand with its clip at design position (270, 170), where the boxes put it.
#pragma once

#include "cocos2d.h"

#include <functional>
#include <string>

class CLableLayer : public cocos2d::CCLayer, public cocos2d::CCMouseWheelDelegate {
public:
    static CLableLayer* create(const std::string& text);

    void onEnter() override;
    void onExit() override;
    void visit() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchMoved(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchCancelled(cocos2d::CCTouch*, cocos2d::CCEvent*) override {}
    // Message 522 is the mouse wheel; the high 16 bits of wParam are the signed delta.
    virtual void processWin32KeyPress(unsigned message, unsigned long wParam, long lParam);
    void mouseWheelScrolled(int delta) override;

    // The touch-began rule at a GL location; true claims the touch.
    bool beginAt(const cocos2d::CCPoint& location);
    void endAt(const cocos2d::CCPoint& location);

    cocos2d::CCLabelTTF* label() const { return m_label; }
    float lowestY() const { return m_lowestY; }
    float highestY() const { return m_highestY; }
    bool isDragging() const { return m_dragging; }

    // Milliseconds, for the glide time; tests put in their own clock.
    static void setClock(std::function<long long()> clock);
    static constexpr int kTouchPriority = -1283;

private:
    bool initPanel(const std::string& text);
    static long long now();

    cocos2d::CCLayerColor* m_clip = nullptr;
    cocos2d::CCLabelTTF* m_label = nullptr;
    bool m_dragging = false;
    int m_grabOffset = 0;
    float m_lowestY = 0, m_highestY = 0;
    short m_wheelDelta = 0;
    long long m_lastMoved = 0, m_lastEnded = 0;
};

// The newbie guide: shades the screen but for a pulsing spot, shows the rabbit with a text and walks
// through the steps of "guide<index>.xml"; the last step stores "<name>_hadGuide".
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"
#include "widgets/PlayGuaideAtt.h"

#include <string>
#include <vector>

class playGuide : public cocos2d::CCLayerColor {
public:
    // Null when the guide file gives no step (the overlay is not shown).
    static playGuide* create(int guideIndex);
    ~playGuide() override;

    // The steps of a guide file, retained by the caller's vector (release them), in document order.
    static std::vector<PlayGuaideAtt*> loadSteps(int guideIndex);
    // "main", "store", ... by index; "" outside 1..6.
    static std::string guideName(int guideIndex);

    void onEnter() override;
    void onExit() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    // What a touch release does: the next step, or the end.
    void advance();

    int currentStep() const { return m_step; }
    int stepCount() const { return static_cast<int>(m_steps.size()); }
    cocos2d::CCLabelTTF* textLabel() const { return m_label; }
    cocos2d::CCSprite* rabbit() const { return m_rabbit; }
    cocos2d::CCSprite* pointer() const { return m_pointer; }
    cocos2d::CCDrawNode* spot() const { return m_spot; }

    static constexpr int kTouchPriority = -1282;
    static constexpr int kClipTag = 99;

private:
    bool initGuide(int guideIndex);
    void showStep();
    void finish();

    int m_index = 0;
    std::vector<PlayGuaideAtt*> m_steps;
    int m_step = 0;
    cocos2d::CCSprite* m_dialog = nullptr;
    cocos2d::CCSprite* m_rabbit = nullptr;
    cocos2d::CCSprite* m_decoration = nullptr;
    cocos2d::CCSprite* m_pointer = nullptr;
    cocos2d::CCLabelTTF* m_label = nullptr;
    cocos2d::CCClippingNode* m_clip = nullptr;
    cocos2d::CCDrawNode* m_spot = nullptr;
};

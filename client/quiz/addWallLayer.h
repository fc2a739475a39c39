// The wall the server can place in a run: instead of the next question, a screen offering to lift
// the wall by sharing, or to go on. Going on fetches the question that waited behind the wall.
#pragma once

#include "cocos2d.h"

class addWallLayer : public cocos2d::CCLayer {
public:
    // kind: the wall entry's sdkPlatType (the share target on other platforms; unused here).
    static addWallLayer* create(int kind);
    virtual bool init(int kind);
    void onEnter() override;

    void onAddWall(cocos2d::CCObject* sender);
    void onNextClick(cocos2d::CCObject* sender);

    int kind() const { return m_kind; }
    cocos2d::CCMenuItem* addWallButton() const { return m_addWallButton; }
    cocos2d::CCMenuItem* nextButton() const { return m_nextButton; }

    static constexpr int kGuidePage = 6;

private:
    using cocos2d::CCLayer::init;

    int m_kind = -1;
    cocos2d::CCMenuItem* m_addWallButton = nullptr;
    cocos2d::CCMenuItem* m_nextButton = nullptr;
};

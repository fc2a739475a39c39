// The answer mark of a contest question: a clear 500 x 400 layer over the question area that takes
// the touches meant for the answered question, with the right or wrong marks on it.
#pragma once

#include "cocos2d.h"

#include <map>
#include <string>

class CHD_PlayLayerColorCover : public cocos2d::CCLayerColor {
public:
    static CHD_PlayLayerColorCover* create();
    bool init() override;

    void onEnter() override;
    void onExit() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    void ccTouchMoved(cocos2d::CCTouch*, cocos2d::CCEvent*) override {}
    void ccTouchEnded(cocos2d::CCTouch*, cocos2d::CCEvent*) override {}
    void ccTouchCancelled(cocos2d::CCTouch*, cocos2d::CCEvent*) override {}

    // A mark at a window point (the cover places it in its own space), replacing the one of its tag.
    cocos2d::CCSprite* addMark(const std::string& picture, const cocos2d::CCPoint& windowPoint, float scale,
                               int tag);
    // A small caption under a mark (whose mark it is).
    void addCaption(const std::string& text, const cocos2d::CCPoint& windowPoint);

    // The picture the mark of this tag shows ("" for none).
    std::string markPicture(int tag) const;

    static constexpr int kWidth = 500, kHeight = 400;
    static constexpr int kOwnMarkTag = 1;
    static constexpr int kOpponentMarkTag = 2;

private:
    std::map<int, std::string> m_pictures;
};

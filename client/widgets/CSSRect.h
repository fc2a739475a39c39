// A rectangle outline in its parent's coordinates: marks a found difference on a picture.
#pragma once

#include "cocos2d.h"

class CSSRect : public cocos2d::CCNode {
public:
    static CSSRect* create(const cocos2d::CCRect& rect, const cocos2d::ccColor3B& colour, float lineWidth);

    // The outlined box in the parent's coordinates.
    const cocos2d::CCRect& rect() const { return m_rect; }

private:
    bool initOutline(const cocos2d::CCRect& rect, const cocos2d::ccColor3B& colour, float lineWidth);

    cocos2d::CCRect m_rect;
};

// Sprites by picture name: a frame of the loaded sheets first, then a file of its own. A missing
// picture is logged and gives an empty sprite, so a screen still builds.
#pragma once

#include "cocos2d.h"

#include <string>

class Pictures {
public:
    static cocos2d::CCSprite* sprite(const std::string& name);
    static cocos2d::CCLabelTTF* label(const std::string& text, float size, const cocos2d::CCSize& box,
                                      cocos2d::CCTextAlignment alignment);
};

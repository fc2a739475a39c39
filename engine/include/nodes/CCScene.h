#pragma once

#include "nodes/CCNode.h"

namespace cocos2d {

// Root of a screen: window-sized, anchor in the middle, placed by its bottom-left corner.
class CCScene : public CCNode {
public:
    CCScene();
    bool init() override;
    static CCScene* create();
};

} // namespace cocos2d

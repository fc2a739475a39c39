// Nested scissor boxes for clipping containers: each push intersects with the box already in force and
// each pop restores it, since the renderer itself keeps only the current box.
#pragma once

#include "base/CCGeometry.h"

namespace cocos2d {
class CCNode;
}

namespace cocos2d::extension {

class ScissorStack {
public:
    // rect in world (design) points.
    static void push(const CCRect& worldRect);
    static void pop();
    // The node's rectangle (0,0,w,h) of its own space, bounded in world space.
    static CCRect worldRectOf(CCNode* node, const CCRect& localRect);
    static int depth();
};

} // namespace cocos2d::extension

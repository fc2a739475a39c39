// The easing curves armature key frames name by id (CCTweenType). t in 0..1; overshooting curves
// (elastic, back) leave that range on purpose.
#pragma once

namespace cocos2d::extension {

class CCTweenFunction {
public:
    // Unknown ids fall back to linear. Custom (-1) reads a cubic Bezier from 8 parameters
    // (x0,y0 ... x3,y3; only the y values shape the curve); without them it is linear.
    static float tweenTo(float t, int type, const float* params = nullptr, int paramCount = 0);
};

} // namespace cocos2d::extension

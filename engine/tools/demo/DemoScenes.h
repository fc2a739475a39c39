// The two scenes of engine-demo. Tapping anywhere outside the menus fades to the other scene.
#pragma once

#include "cocos2d.h"

namespace demo {

cocos2d::CCScene* createSpritesScene();
cocos2d::CCScene* createTextScene();

} // namespace demo

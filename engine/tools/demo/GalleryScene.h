// The extensions gallery of engine-demo: a sample layout with working buttons, an armature, particles,
// an inverted clipping node, a nine-slice control button, a table view, a text field and a motion streak.
#pragma once

#include "cocos2d.h"

namespace demo {

cocos2d::CCScene* createGalleryScene();

} // namespace demo

// "{x,y}", "{w,h}" and "{{x,y},{w,h}}" as written in plists. Malformed text gives zeros.
#pragma once

#include "base/CCGeometry.h"

namespace cocos2d {

CCRect CCRectFromString(const char* content);
CCPoint CCPointFromString(const char* content);
CCSize CCSizeFromString(const char* content);

} // namespace cocos2d

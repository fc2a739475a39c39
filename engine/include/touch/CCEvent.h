#pragma once

#include "base/CCObject.h"

namespace cocos2d {

// Carries nothing; passed along with touches for 2.2 signatures.
class CCEvent : public CCObject {
};

} // namespace cocos2d

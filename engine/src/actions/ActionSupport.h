// Private helpers of the action implementations.
#pragma once

#include <algorithm>

#include "base/ccTypes.h"

namespace cocos2d::detail {

// Two-phase creation: autoreleased on success, deleted on failure.
template <typename T> T* autoreleased(T* object, bool ok)
{
    if (!ok) {
        delete object;
        return nullptr;
    }
    object->autorelease();
    return object;
}

// Colour and opacity arithmetic truncates like the engine; eased values may overshoot, so clamp
// before narrowing.
inline GLubyte toByte(float value)
{
    return static_cast<GLubyte>(std::clamp(value, 0.0f, 255.0f));
}

} // namespace cocos2d::detail

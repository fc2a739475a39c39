// Building sequences and spawns from lists: both nest pairs to the left, (((A, B), C), D), and pair a
// lone action with an empty instant one.
#pragma once

#include <cstdarg>

#include "actions/CCActionInstant.h"
#include "base/CCArray.h"
#include "base/CCConsole.h"

namespace cocos2d::detail {

template <typename Pair> Pair* pairWithEmpty(CCFiniteTimeAction* action)
{
    auto* empty = new CCActionInstant();
    empty->autorelease();
    return Pair::createWithTwoActions(action, empty);
}

template <typename Pair> Pair* chainFromList(const char* name, CCFiniteTimeAction* first, va_list args)
{
    if (!first) {
        CCLog("%s: no actions", name);
        return nullptr;
    }
    CCFiniteTimeAction* previous = first;
    bool single = true;
    while (CCFiniteTimeAction* next = va_arg(args, CCFiniteTimeAction*)) {
        previous = Pair::createWithTwoActions(previous, next);
        single = false;
        if (!previous)
            return nullptr;
    }
    if (single)
        return pairWithEmpty<Pair>(previous);
    return static_cast<Pair*>(previous);
}

template <typename Pair> Pair* chainFromArray(const char* name, CCArray* actions)
{
    if (!actions || actions->count() == 0) {
        CCLog("%s: no actions", name);
        return nullptr;
    }
    auto* previous = dynamic_cast<CCFiniteTimeAction*>(actions->objectAtIndex(0));
    if (!previous)
        return nullptr;
    if (actions->count() == 1)
        return pairWithEmpty<Pair>(previous);
    for (unsigned int i = 1; i < actions->count() && previous; ++i)
        previous = Pair::createWithTwoActions(previous, dynamic_cast<CCFiniteTimeAction*>(actions->objectAtIndex(i)));
    return static_cast<Pair*>(previous);
}

} // namespace cocos2d::detail

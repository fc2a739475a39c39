#include "touch/CCTextInputRouter.h"

namespace cocos2d {

namespace {
struct Handlers {
    CCTextInputRouter::InsertFn insert;
    CCTextInputRouter::DeleteFn deleteBackward;
    CCTextInputRouter::KeyboardFn keyboard;
};

Handlers& handlers()
{
    static Handlers h;
    return h;
}
} // namespace

void CCTextInputRouter::setHandlers(InsertFn insert, DeleteFn deleteBackward)
{
    handlers().insert = std::move(insert);
    handlers().deleteBackward = std::move(deleteBackward);
}

void CCTextInputRouter::clearHandlers()
{
    handlers().insert = nullptr;
    handlers().deleteBackward = nullptr;
}

bool CCTextInputRouter::hasHandlers()
{
    return static_cast<bool>(handlers().insert);
}

void CCTextInputRouter::insertText(const char* text, int length)
{
    if (text && length > 0 && handlers().insert)
        handlers().insert(text, length);
}

void CCTextInputRouter::deleteBackward()
{
    if (handlers().deleteBackward)
        handlers().deleteBackward();
}

void CCTextInputRouter::setKeyboardStateListener(KeyboardFn listener)
{
    handlers().keyboard = std::move(listener);
}

void CCTextInputRouter::setKeyboardState(bool open)
{
    if (handlers().keyboard)
        handlers().keyboard(open);
}

} // namespace cocos2d

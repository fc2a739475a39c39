// Where typed text goes (our addition). The input-method dispatcher installs its handlers here; the
// window pump and the test helpers only call insertText/deleteBackward, so neither depends on it.
#pragma once

#include <functional>

namespace cocos2d {

class CCTextInputRouter {
public:
    using InsertFn = std::function<void(const char* text, int length)>;
    using DeleteFn = std::function<void()>;
    using KeyboardFn = std::function<void(bool open)>;

    static void setHandlers(InsertFn insert, DeleteFn deleteBackward);
    static void clearHandlers();
    static bool hasHandlers();
    // UTF-8 text; "\n" for Enter. Dropped when no handler is installed.
    static void insertText(const char* text, int length);
    static void deleteBackward();
    // Lets the window start/stop SDL text input when a field attaches or detaches.
    static void setKeyboardStateListener(KeyboardFn listener);
    static void setKeyboardState(bool open);
};

} // namespace cocos2d

#pragma once

namespace cocos2d {

// Back key (Escape, or Shift+F1) and menu key (Shift+F2).
class CCKeypadDelegate {
public:
    virtual ~CCKeypadDelegate() = default;
    virtual void keyBackClicked() {}
    virtual void keyMenuClicked() {}
};

} // namespace cocos2d

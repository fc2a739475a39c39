// Mouse wheel (our addition to the 2.2 API): each notch arrives as a Windows-style delta of 120,
// positive when the wheel turns away from the user. Every delegate gets it, in registration order.
#pragma once

#include <vector>

#include "base/CCObject.h"

namespace cocos2d {

static const int kCCMouseWheelNotch = 120;

class CCMouseWheelDelegate {
public:
    virtual ~CCMouseWheelDelegate() = default;
    virtual void mouseWheelScrolled(int delta) = 0;
};

class CCMouseWheelDispatcher : public CCObject {
public:
    void addDelegate(CCMouseWheelDelegate* delegate);
    void removeDelegate(CCMouseWheelDelegate* delegate);
    void removeAllDelegates() { m_delegates.clear(); }
    // Delegates added or removed during the call take effect for the next one.
    void dispatchWheel(int delta);
    std::size_t delegateCount() const { return m_delegates.size(); }

private:
    std::vector<CCMouseWheelDelegate*> m_delegates;
};

} // namespace cocos2d

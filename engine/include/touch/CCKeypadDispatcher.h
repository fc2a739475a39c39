// Sends back/menu key presses to every delegate in registration order (no priority, no
// swallowing). Changes made while dispatching wait until the dispatch is done.
#pragma once

#include <vector>

#include "base/CCObject.h"
#include "touch/CCKeypadDelegate.h"

namespace cocos2d {

typedef enum { kTypeBackClicked = 1, kTypeMenuClicked } ccKeypadMSGType;

class CCKeypadDispatcher : public CCObject {
public:
    CCKeypadDispatcher() = default;
    ~CCKeypadDispatcher() override;

    void addDelegate(CCKeypadDelegate* delegate);
    void removeDelegate(CCKeypadDelegate* delegate);
    void forceAddDelegate(CCKeypadDelegate* delegate);
    void forceRemoveDelegate(CCKeypadDelegate* delegate);
    void removeAllDelegates();
    bool dispatchKeypadMSG(ccKeypadMSGType msgType);
    std::size_t delegateCount() const { return m_delegates.size(); }

private:
    std::vector<CCKeypadDelegate*> m_delegates;
    std::vector<CCKeypadDelegate*> m_toAdd;
    std::vector<CCKeypadDelegate*> m_toRemove;
    bool m_locked = false;
};

} // namespace cocos2d

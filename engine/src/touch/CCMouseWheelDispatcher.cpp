#include "touch/CCMouseWheelDispatcher.h"

#include <algorithm>

namespace cocos2d {

void CCMouseWheelDispatcher::addDelegate(CCMouseWheelDelegate* delegate)
{
    if (delegate && std::find(m_delegates.begin(), m_delegates.end(), delegate) == m_delegates.end())
        m_delegates.push_back(delegate);
}

void CCMouseWheelDispatcher::removeDelegate(CCMouseWheelDelegate* delegate)
{
    m_delegates.erase(std::remove(m_delegates.begin(), m_delegates.end(), delegate), m_delegates.end());
}

void CCMouseWheelDispatcher::dispatchWheel(int delta)
{
    const std::vector<CCMouseWheelDelegate*> delegates = m_delegates;
    for (CCMouseWheelDelegate* delegate : delegates) {
        // Skip delegates removed (possibly destroyed) by an earlier one during this dispatch.
        if (std::find(m_delegates.begin(), m_delegates.end(), delegate) != m_delegates.end())
            delegate->mouseWheelScrolled(delta);
    }
}

} // namespace cocos2d

#include "actions/CCFiniteTimeAction.h"

#include "base/CCConsole.h"

namespace cocos2d {

CCFiniteTimeAction* CCFiniteTimeAction::reverse()
{
    CCLog("cocos2d: FiniteTimeAction#reverse: Implement me");
    return nullptr;
}

} // namespace cocos2d

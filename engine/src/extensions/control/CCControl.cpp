#include "extensions/control/CCControl.h"

#include <algorithm>

#include "director/CCDirector.h"
#include "extensions/gui/ClickSound.h"
#include "touch/CCTouch.h"
#include "touch/CCTouchDispatcher.h"

namespace cocos2d::extension {

CCControl::CCControl() = default;
CCControl::~CCControl() = default;

CCControl* CCControl::create()
{
    auto* control = new CCControl();
    if (control->init()) {
        control->autorelease();
        return control;
    }
    delete control;
    return nullptr;
}

bool CCControl::init()
{
    if (!CCLayerRGBA::init())
        return false;
    m_touchPriority = 1;
    setTouchMode(kCCTouchesOneByOne);
    setTouchEnabled(true);
    return true;
}

void CCControl::onEnter() { CCLayerRGBA::onEnter(); }
void CCControl::onExit() { CCLayerRGBA::onExit(); }

void CCControl::registerWithTouchDispatcher()
{
    CCDirector::sharedDirector()->getTouchDispatcher()->addTargetedDelegate(this, getTouchPriority(), true);
}

void CCControl::setEnabled(bool enabled)
{
    m_enabled = enabled;
    needsLayout();
}

void CCControl::setSelected(bool selected)
{
    m_selected = selected;
    needsLayout();
}

void CCControl::setHighlighted(bool highlighted)
{
    m_highlighted = highlighted;
    needsLayout();
}

CCControlState CCControl::getState() const
{
    if (!m_enabled)
        return CCControlStateDisabled;
    if (m_selected)
        return CCControlStateSelected;
    if (m_highlighted)
        return CCControlStateHighlighted;
    return CCControlStateNormal;
}

bool CCControl::hasVisibleParents()
{
    for (CCNode* node = getParent(); node; node = node->getParent())
        if (!node->isVisible())
            return false;
    return true;
}

void CCControl::addTargetWithActionForControlEvents(CCObject* target, SEL_CCControlHandler action,
                                                    CCControlEvent controlEvents)
{
    for (int i = 0; i < kCCControlEventTotalNumber; ++i)
        if (controlEvents & (1u << i))
            m_dispatch[i].push_back(Invocation{target, action});
}

void CCControl::removeTargetWithActionForControlEvents(CCObject* target, SEL_CCControlHandler action,
                                                       CCControlEvent controlEvents)
{
    for (int i = 0; i < kCCControlEventTotalNumber; ++i) {
        if (!(controlEvents & (1u << i)))
            continue;
        auto& list = m_dispatch[i];
        list.erase(std::remove_if(list.begin(), list.end(),
                                  [&](const Invocation& inv) {
                                      return (!target || inv.target == target) && (!action || inv.action == action);
                                  }),
                   list.end());
    }
}

void CCControl::sendActionsForControlEvents(CCControlEvent controlEvents)
{
    retain(); // an action may remove this control
    for (int i = 0; i < kCCControlEventTotalNumber; ++i) {
        if (!(controlEvents & (1u << i)))
            continue;
        std::vector<Invocation> invocations = m_dispatch[i];
        for (const Invocation& inv : invocations) {
            playClickSound();
            (inv.target->*inv.action)(this, static_cast<CCControlEvent>(1u << i));
        }
    }
    release();
}

CCPoint CCControl::getTouchLocation(CCTouch* touch) { return convertToNodeSpace(touch->getLocation()); }

bool CCControl::isTouchInside(CCTouch* touch)
{
    CCPoint location = getParent() ? getParent()->convertToNodeSpace(touch->getLocation()) : touch->getLocation();
    return boundingBox().containsPoint(location);
}

} // namespace cocos2d::extension

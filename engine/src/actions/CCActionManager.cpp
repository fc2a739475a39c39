#include "actions/CCActionManager.h"

#include <algorithm>

#include "actions/CCAction.h"
#include "base/CCConsole.h"
#include "nodes/CCNode.h"

namespace cocos2d {

CCActionManager::~CCActionManager()
{
    removeAllActions();
}

CCActionManager::Element* CCActionManager::find(const CCObject* target) const
{
    auto it = m_byTarget.find(target);
    return it == m_byTarget.end() ? nullptr : it->second;
}

void CCActionManager::addAction(CCAction* action, CCNode* target, bool paused)
{
    if (!action || !target) {
        CCLog("CCActionManager::addAction: null action or target refused");
        return;
    }
    Element* element = find(target);
    if (!element) {
        element = new Element{target, {}, paused};
        target->retain();
        m_elements.push_back(element);
        m_byTarget[target] = element;
    }
    if (std::find(element->actions.begin(), element->actions.end(), action) != element->actions.end()) {
        CCLog("CCActionManager::addAction: this action is already running on that target");
        return;
    }
    action->retain();
    element->actions.push_back(action);
    action->startWithTarget(target);
}

void CCActionManager::removeAllActions()
{
    std::vector<CCObject*> targets;
    for (Element* element : m_elements)
        if (element)
            targets.push_back(element->target);
    for (CCObject* target : targets)
        removeAllActionsFromTarget(target);
}

void CCActionManager::removeAllActionsFromTarget(CCObject* target)
{
    Element* element = find(target);
    if (!element)
        return;
    target->retain();
    if (element->currentAction && !element->currentActionSalvaged) {
        element->currentAction->retain();
        element->currentActionSalvaged = true;
    }
    std::vector<CCAction*> actions;
    actions.swap(element->actions);
    element->actionIndex = static_cast<unsigned int>(-1);
    for (CCAction* action : actions)
        action->release();
    removeElementIfEmpty(element);
    target->release();
}

void CCActionManager::removeAction(CCAction* action)
{
    if (!action)
        return;
    Element* element = find(action->getOriginalTarget());
    if (!element) {
        CCLog("cocos2d: removeAction: Target not found");
        return;
    }
    auto it = std::find(element->actions.begin(), element->actions.end(), action);
    if (it != element->actions.end())
        removeActionAtIndex(static_cast<unsigned int>(it - element->actions.begin()), element);
}

void CCActionManager::removeActionByTag(unsigned int tag, CCObject* target)
{
    Element* element = find(target);
    if (!element)
        return;
    for (unsigned int i = 0; i < element->actions.size(); ++i) {
        if (static_cast<unsigned int>(element->actions[i]->getTag()) == tag &&
            element->actions[i]->getOriginalTarget() == target) {
            removeActionAtIndex(i, element);
            return;
        }
    }
}

CCAction* CCActionManager::getActionByTag(unsigned int tag, CCObject* target)
{
    Element* element = find(target);
    if (!element)
        return nullptr;
    for (CCAction* action : element->actions)
        if (static_cast<unsigned int>(action->getTag()) == tag)
            return action;
    return nullptr;
}

unsigned int CCActionManager::numberOfRunningActionsInTarget(CCObject* target)
{
    Element* element = find(target);
    return element ? static_cast<unsigned int>(element->actions.size()) : 0;
}

void CCActionManager::removeActionAtIndex(unsigned int index, Element* element)
{
    CCAction* action = element->actions[index];
    if (action == element->currentAction && !element->currentActionSalvaged) {
        // Stepping right now: keep it alive until its step returns.
        action->retain();
        element->currentActionSalvaged = true;
    }
    element->actions.erase(element->actions.begin() + index);
    // Keep the stepping loop on the next action.
    if (element->actionIndex != static_cast<unsigned int>(-1) && element->actionIndex >= index)
        --element->actionIndex;
    action->release();
    removeElementIfEmpty(element);
}

void CCActionManager::removeElementIfEmpty(Element* element)
{
    if (!element->actions.empty() || element == m_currentTarget)
        return;
    deleteElement(element);
}

void CCActionManager::deleteElement(Element* element)
{
    auto it = std::find(m_elements.begin(), m_elements.end(), element);
    if (it != m_elements.end()) {
        if (m_locked)
            *it = nullptr;
        else
            m_elements.erase(it);
    }
    m_byTarget.erase(element->target);
    CCObject* target = element->target;
    delete element;
    target->release();
}

void CCActionManager::pauseTarget(CCObject* target)
{
    if (Element* element = find(target))
        element->paused = true;
}

void CCActionManager::resumeTarget(CCObject* target)
{
    if (Element* element = find(target))
        element->paused = false;
}

CCSet* CCActionManager::pauseAllRunningActions()
{
    CCSet* paused = CCSet::create();
    for (Element* element : m_elements) {
        if (element && !element->paused) {
            element->paused = true;
            paused->addObject(element->target);
        }
    }
    return paused;
}

void CCActionManager::resumeTargets(CCSet* targets)
{
    if (!targets)
        return;
    for (CCObject* target : *targets)
        resumeTarget(target);
}

void CCActionManager::update(float dt)
{
    const bool wasLocked = m_locked;
    m_locked = true;
    for (std::size_t i = 0; i < m_elements.size(); ++i) {
        Element* element = m_elements[i];
        if (!element)
            continue;
        m_currentTarget = element;
        CCObject* target = element->target;
        target->retain();
        if (!element->paused) {
            for (element->actionIndex = 0; element->actionIndex < element->actions.size(); ++element->actionIndex) {
                CCAction* action = element->actions[element->actionIndex];
                element->currentAction = action;
                element->currentActionSalvaged = false;
                action->step(dt);
                if (element->currentActionSalvaged) {
                    // removed while stepping: it was retained for us
                    element->currentAction = nullptr;
                    action->release();
                } else if (action->isDone()) {
                    action->stop();
                    element->currentAction = nullptr;
                    removeAction(action);
                }
                element->currentAction = nullptr;
            }
        }
        m_currentTarget = nullptr;
        removeElementIfEmpty(element);
        target->release();
    }
    m_locked = wasLocked;
    if (!m_locked)
        m_elements.erase(std::remove(m_elements.begin(), m_elements.end(), nullptr), m_elements.end());
}

} // namespace cocos2d

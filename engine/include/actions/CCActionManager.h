// Steps every running action once per frame: targets in the order they first received actions,
// each target's actions in the order they were run. Retains targets and actions while they run.
// Actions may be removed (even the one stepping, or all of a target's) from inside a step.
#pragma once

#include <unordered_map>
#include <vector>

#include "base/CCSet.h"

namespace cocos2d {

class CCAction;
class CCNode;

class CCActionManager : public CCObject {
public:
    CCActionManager() = default;
    ~CCActionManager() override;

    // Starts the action on the target now (start values captured now) and keeps it until done.
    void addAction(CCAction* action, CCNode* target, bool paused);
    void removeAllActions();
    void removeAllActionsFromTarget(CCObject* target);
    void removeAction(CCAction* action);
    // First action of the target with that tag.
    void removeActionByTag(unsigned int tag, CCObject* target);
    CCAction* getActionByTag(unsigned int tag, CCObject* target);
    unsigned int numberOfRunningActionsInTarget(CCObject* target);

    void pauseTarget(CCObject* target);
    void resumeTarget(CCObject* target);
    CCSet* pauseAllRunningActions();
    void resumeTargets(CCSet* targetsToResume);

    void update(float dt) override;

private:
    struct Element {
        CCObject* target;
        std::vector<CCAction*> actions;
        bool paused;
        unsigned int actionIndex = 0;
        CCAction* currentAction = nullptr;
        bool currentActionSalvaged = false;
    };

    Element* find(const CCObject* target) const;
    void removeActionAtIndex(unsigned int index, Element* element);
    void removeElementIfEmpty(Element* element);
    void deleteElement(Element* element);

    std::vector<Element*> m_elements; // null slots while locked
    std::unordered_map<const CCObject*, Element*> m_byTarget;
    Element* m_currentTarget = nullptr;
    bool m_locked = false;
};

} // namespace cocos2d

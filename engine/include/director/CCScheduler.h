// Calls update() of registered targets and timed selectors once per frame.
//
// Order in one update(dt): update targets by priority ascending (equal priorities in the order they
// were scheduled), then timers target by target in the order the targets first got a timer, and
// each target's timers in the order they were scheduled. The action manager is an update target at
// kCCPrioritySystem, so actions step before anything else.
//
// Timers: the first tick a timer sees only initialises it; later ticks accumulate dt and call the
// selector with the accumulated time when it reaches the interval (the excess is dropped). A delay
// postpones the first call; repeat = n gives n + 1 calls. Paused targets are skipped. The scheduler
// retains every target it holds. Removing anything from inside a callback is safe.
#pragma once

#include <unordered_map>
#include <vector>

#include "base/CCSet.h"
#include "director/CCTimer.h"

namespace cocos2d {

enum { kCCPrioritySystem = INT_MIN, kCCPriorityNonSystemMin = kCCPrioritySystem + 1 };

class CCScheduler : public CCObject {
public:
    CCScheduler() = default;
    ~CCScheduler() override;

    float getTimeScale() const { return m_timeScale; }
    void setTimeScale(float timeScale) { m_timeScale = timeScale; }

    void update(float dt) override;

    // Scheduling a selector again for the same target only changes its interval (logged).
    void scheduleSelector(SEL_SCHEDULE selector, CCObject* target, float interval, unsigned int repeat,
                          float delay, bool paused);
    void scheduleSelector(SEL_SCHEDULE selector, CCObject* target, float interval, bool paused);
    // One update entry per target; scheduling again only cancels a pending removal.
    void scheduleUpdateForTarget(CCObject* target, int priority, bool paused);

    void unscheduleSelector(SEL_SCHEDULE selector, CCObject* target);
    void unscheduleUpdateForTarget(const CCObject* target);
    void unscheduleAllForTarget(CCObject* target);
    // Everything, including system entries such as the action manager.
    void unscheduleAll();
    void unscheduleAllWithMinPriority(int minPriority);

    void pauseTarget(CCObject* target);
    void resumeTarget(CCObject* target);
    bool isTargetPaused(CCObject* target);
    // Pauses every target; returns the ones paused (retained by the set, autoreleased set).
    CCSet* pauseAllTargets();
    CCSet* pauseAllTargetsWithMinPriority(int minPriority);
    void resumeTargets(CCSet* targetsToResume);

    bool isScheduled(SEL_SCHEDULE selector, CCObject* target);
    bool hasUpdate(CCObject* target);

private:
    struct UpdateEntry {
        CCObject* target;
        int priority;
        bool paused;
        bool markedForDeletion;
    };
    struct TimerTarget {
        CCObject* target;
        std::vector<CCTimer*> timers;
        bool paused;
        unsigned int timerIndex = 0;
        CCTimer* currentTimer = nullptr;
        bool currentTimerSalvaged = false;
    };

    void removeUpdateEntry(UpdateEntry* entry);
    TimerTarget* findTimerTarget(const CCObject* target) const;
    void removeTimerTargetIfEmpty(TimerTarget* element);
    void compactTimerTargets();

    std::vector<UpdateEntry*> m_updates; // sorted by priority, stable
    std::unordered_map<const CCObject*, UpdateEntry*> m_updateByTarget;
    std::vector<TimerTarget*> m_timerTargets; // may hold null slots during an update pass
    std::unordered_map<const CCObject*, TimerTarget*> m_timerByTarget;
    TimerTarget* m_currentTarget = nullptr;
    bool m_updateLocked = false;
    bool m_timersLocked = false;
    float m_timeScale = 1.0f;
};

} // namespace cocos2d

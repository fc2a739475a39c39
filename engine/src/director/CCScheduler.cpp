#include "director/CCScheduler.h"

#include <algorithm>

#include "base/CCConsole.h"

namespace cocos2d {

CCScheduler::~CCScheduler()
{
    unscheduleAll();
    for (UpdateEntry* entry : m_updates)
        delete entry;
}

// --- timers

CCScheduler::TimerTarget* CCScheduler::findTimerTarget(const CCObject* target) const
{
    auto it = m_timerByTarget.find(target);
    return it == m_timerByTarget.end() ? nullptr : it->second;
}

void CCScheduler::scheduleSelector(SEL_SCHEDULE selector, CCObject* target, float interval, bool paused)
{
    scheduleSelector(selector, target, interval, kCCRepeatForever, 0.0f, paused);
}

void CCScheduler::scheduleSelector(SEL_SCHEDULE selector, CCObject* target, float interval, unsigned int repeat,
                                   float delay, bool paused)
{
    if (!selector || !target) {
        CCLog("CCScheduler::scheduleSelector: null selector or target refused");
        return;
    }
    TimerTarget* element = findTimerTarget(target);
    if (!element) {
        element = new TimerTarget{target, {}, paused};
        target->retain();
        m_timerTargets.push_back(element);
        m_timerByTarget[target] = element;
    } else if (element->paused != paused) {
        CCLog("CCScheduler::scheduleSelector: paused state differs from the target's other timers; kept");
    }
    for (CCTimer* timer : element->timers) {
        if (timer->getSelector() == selector) {
            CCLog("CCScheduler#scheduleSelector. Selector already scheduled. Updating interval from: %.4f to %.4f",
                  timer->getInterval(), interval);
            timer->setInterval(interval);
            return;
        }
    }
    auto* timer = new CCTimer();
    timer->initWithTarget(target, selector, interval, repeat, delay);
    element->timers.push_back(timer); // owns the new timer's reference
}

void CCScheduler::unscheduleSelector(SEL_SCHEDULE selector, CCObject* target)
{
    if (!selector || !target)
        return;
    TimerTarget* element = findTimerTarget(target);
    if (!element)
        return;
    for (std::size_t i = 0; i < element->timers.size(); ++i) {
        CCTimer* timer = element->timers[i];
        if (timer->getSelector() != selector)
            continue;
        if (timer == element->currentTimer && !element->currentTimerSalvaged) {
            // Being called right now: keep it alive until its update returns.
            timer->retain();
            element->currentTimerSalvaged = true;
        }
        element->timers.erase(element->timers.begin() + static_cast<std::ptrdiff_t>(i));
        if (element->timerIndex >= i && element->timerIndex > 0)
            --element->timerIndex;
        else if (element->timerIndex >= i)
            element->timerIndex = static_cast<unsigned int>(-1); // the loop's ++ brings it to 0
        timer->release();
        removeTimerTargetIfEmpty(element);
        return;
    }
}

void CCScheduler::removeTimerTargetIfEmpty(TimerTarget* element)
{
    if (!element->timers.empty())
        return;
    if (element == m_currentTarget)
        return; // the update pass removes it when it is done with it
    auto it = std::find(m_timerTargets.begin(), m_timerTargets.end(), element);
    if (m_timersLocked) {
        if (it != m_timerTargets.end())
            *it = nullptr; // compacted after the pass
    } else if (it != m_timerTargets.end()) {
        m_timerTargets.erase(it);
    }
    m_timerByTarget.erase(element->target);
    CCObject* target = element->target;
    delete element;
    target->release();
}

void CCScheduler::compactTimerTargets()
{
    m_timerTargets.erase(std::remove(m_timerTargets.begin(), m_timerTargets.end(), nullptr), m_timerTargets.end());
}

// --- updates

void CCScheduler::scheduleUpdateForTarget(CCObject* target, int priority, bool paused)
{
    if (!target)
        return;
    auto it = m_updateByTarget.find(target);
    if (it != m_updateByTarget.end()) {
        // One update per target: only cancel a pending removal.
        it->second->markedForDeletion = false;
        return;
    }
    auto* entry = new UpdateEntry{target, priority, paused, false};
    target->retain();
    // After every existing entry of the same priority.
    auto pos = std::upper_bound(m_updates.begin(), m_updates.end(), priority,
                                [](int p, const UpdateEntry* e) { return p < e->priority; });
    m_updates.insert(pos, entry);
    m_updateByTarget[target] = entry;
}

void CCScheduler::unscheduleUpdateForTarget(const CCObject* target)
{
    if (!target)
        return;
    auto it = m_updateByTarget.find(target);
    if (it == m_updateByTarget.end())
        return;
    if (m_updateLocked)
        it->second->markedForDeletion = true;
    else
        removeUpdateEntry(it->second);
}

void CCScheduler::removeUpdateEntry(UpdateEntry* entry)
{
    m_updates.erase(std::find(m_updates.begin(), m_updates.end(), entry));
    m_updateByTarget.erase(entry->target);
    CCObject* target = entry->target;
    delete entry;
    target->release();
}

bool CCScheduler::hasUpdate(CCObject* target)
{
    auto it = m_updateByTarget.find(target);
    return it != m_updateByTarget.end() && !it->second->markedForDeletion;
}

// --- whole targets

void CCScheduler::unscheduleAllForTarget(CCObject* target)
{
    if (!target)
        return;
    target->retain(); // removing entries may release the last reference
    if (TimerTarget* element = findTimerTarget(target)) {
        const std::vector<CCTimer*> timers = element->timers;
        for (CCTimer* timer : timers)
            unscheduleSelector(timer->getSelector(), target);
    }
    unscheduleUpdateForTarget(target);
    target->release();
}

void CCScheduler::unscheduleAll()
{
    unscheduleAllWithMinPriority(kCCPrioritySystem);
}

void CCScheduler::unscheduleAllWithMinPriority(int minPriority)
{
    std::vector<CCObject*> targets;
    for (TimerTarget* element : m_timerTargets)
        if (element)
            targets.push_back(element->target);
    for (CCObject* target : targets) {
        if (TimerTarget* element = findTimerTarget(target)) {
            const std::vector<CCTimer*> timers = element->timers;
            for (CCTimer* timer : timers)
                unscheduleSelector(timer->getSelector(), target);
        }
    }
    std::vector<UpdateEntry*> updates = m_updates;
    for (UpdateEntry* entry : updates)
        if (entry->priority >= minPriority)
            unscheduleUpdateForTarget(entry->target);
}

void CCScheduler::pauseTarget(CCObject* target)
{
    if (TimerTarget* element = findTimerTarget(target))
        element->paused = true;
    auto it = m_updateByTarget.find(target);
    if (it != m_updateByTarget.end())
        it->second->paused = true;
}

void CCScheduler::resumeTarget(CCObject* target)
{
    if (TimerTarget* element = findTimerTarget(target))
        element->paused = false;
    auto it = m_updateByTarget.find(target);
    if (it != m_updateByTarget.end())
        it->second->paused = false;
}

bool CCScheduler::isTargetPaused(CCObject* target)
{
    if (TimerTarget* element = findTimerTarget(target))
        return element->paused;
    auto it = m_updateByTarget.find(target);
    return it != m_updateByTarget.end() && it->second->paused;
}

CCSet* CCScheduler::pauseAllTargets()
{
    return pauseAllTargetsWithMinPriority(kCCPrioritySystem);
}

CCSet* CCScheduler::pauseAllTargetsWithMinPriority(int minPriority)
{
    CCSet* paused = CCSet::create();
    for (TimerTarget* element : m_timerTargets) {
        if (!element)
            continue;
        element->paused = true;
        paused->addObject(element->target);
    }
    for (UpdateEntry* entry : m_updates) {
        if (entry->priority < minPriority)
            continue;
        entry->paused = true;
        paused->addObject(entry->target);
    }
    return paused;
}

void CCScheduler::resumeTargets(CCSet* targets)
{
    if (!targets)
        return;
    for (CCObject* target : *targets)
        resumeTarget(target);
}

bool CCScheduler::isScheduled(SEL_SCHEDULE selector, CCObject* target)
{
    TimerTarget* element = findTimerTarget(target);
    if (!element)
        return false;
    for (CCTimer* timer : element->timers)
        if (timer->getSelector() == selector)
            return true;
    return false;
}

// --- the frame

void CCScheduler::update(float dt)
{
    m_updateLocked = true;
    if (m_timeScale != 1.0f)
        dt *= m_timeScale;

    // Entries added during the pass wait for the next frame; removed ones are only marked.
    const std::vector<UpdateEntry*> updates = m_updates;
    for (UpdateEntry* entry : updates)
        if (!entry->paused && !entry->markedForDeletion)
            entry->target->update(dt);

    // Timer targets added during the pass are visited too (their first tick only initialises).
    m_timersLocked = true;
    for (std::size_t i = 0; i < m_timerTargets.size(); ++i) {
        TimerTarget* element = m_timerTargets[i];
        if (!element)
            continue;
        m_currentTarget = element;
        element->target->retain();
        if (!element->paused) {
            for (element->timerIndex = 0; element->timerIndex < element->timers.size(); ++element->timerIndex) {
                CCTimer* timer = element->timers[element->timerIndex];
                element->currentTimer = timer;
                element->currentTimerSalvaged = false;
                timer->update(dt);
                if (element->currentTimerSalvaged) {
                    timer->release(); // unscheduled inside its own call
                } else if (timer->isFinished()) {
                    timer->retain();
                    element->currentTimer = nullptr;
                    unscheduleSelector(timer->getSelector(), element->target);
                    timer->release();
                }
                element->currentTimer = nullptr;
                element->currentTimerSalvaged = false;
            }
        }
        m_currentTarget = nullptr;
        CCObject* target = element->target;
        removeTimerTargetIfEmpty(element);
        target->release();
    }
    m_timersLocked = false;
    compactTimerTargets();

    std::vector<UpdateEntry*> doomed;
    for (UpdateEntry* entry : m_updates)
        if (entry->markedForDeletion)
            doomed.push_back(entry);
    m_updateLocked = false;
    for (UpdateEntry* entry : doomed)
        removeUpdateEntry(entry);
}

} // namespace cocos2d

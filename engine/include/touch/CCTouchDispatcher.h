// Routes touches to delegates: targeted handlers first, then standard ones; each list sorted by
// priority ascending, a newer registration before older ones of equal priority. While one event is
// delivered the lists are locked: additions and removals wait until the event is done (removals
// first), and removing then re-adding the same delegate within one event cancels out.
#pragma once

#include <map>
#include <vector>

#include "base/CCArray.h"
#include "base/CCGeometry.h"
#include "base/CCSet.h"
#include "touch/CCTouchHandler.h"

namespace cocos2d {

enum { CCTOUCHBEGAN, CCTOUCHMOVED, CCTOUCHENDED, CCTOUCHCANCELLED, ccTouchMax };

class CCTouchDispatcher : public CCObject {
public:
    CCTouchDispatcher();
    ~CCTouchDispatcher() override;
    bool init() { return true; }

    bool isDispatchEvents() const { return m_dispatchEvents; }
    // Off: every touch event is dropped (transitions do this).
    void setDispatchEvents(bool dispatchEvents) { m_dispatchEvents = dispatchEvents; }

    // Registering a delegate that is already registered is refused (logged).
    void addStandardDelegate(CCTouchDelegate* delegate, int priority);
    void addTargetedDelegate(CCTouchDelegate* delegate, int priority, bool swallowsTouches);
    void removeDelegate(CCTouchDelegate* delegate);
    void removeAllDelegates();
    // Re-sorts (stable) after changing the priority.
    void setPriority(int priority, CCTouchDelegate* delegate);
    CCTouchHandler* findHandler(CCTouchDelegate* delegate);

    void touches(CCSet* touches, CCEvent* event, unsigned int index);
    void touchesBegan(CCSet* touches, CCEvent* event);
    void touchesMoved(CCSet* touches, CCEvent* event);
    void touchesEnded(CCSet* touches, CCEvent* event);
    void touchesCancelled(CCSet* touches, CCEvent* event);

    // Our addition, used by the window pump and by tests: one touch event for finger `id` at a point
    // in view space (design points, y down). Keeps the CCTouch objects across began..ended.
    void handleTouch(unsigned int phase, int id, float viewX, float viewY);
    // Same with a GL/design point (y up).
    void handleTouchAtLocation(unsigned int phase, int id, const CCPoint& location);
    // Touches currently down (tests).
    std::size_t activeTouchCount() const { return m_activeTouches.size(); }

    // Delegates in dispatch order (tests and debugging).
    std::vector<CCTouchDelegate*> targetedDelegates() const;
    std::vector<CCTouchDelegate*> standardDelegates() const;

private:
    void forceAddHandler(CCTouchHandler* handler, CCArray* array);
    void forceRemoveDelegate(CCTouchDelegate* delegate);
    CCTouchHandler* findHandler(CCArray* array, CCTouchDelegate* delegate);
    void queueAdd(CCTouchHandler* handler);

    CCArray* m_targetedHandlers;
    CCArray* m_standardHandlers;
    bool m_locked = false;
    bool m_toAdd = false;
    bool m_toRemove = false;
    bool m_toQuit = false;
    CCArray* m_handlersToAdd;
    std::vector<CCTouchDelegate*> m_handlersToRemove;
    bool m_dispatchEvents = true;
    std::map<int, CCTouch*> m_activeTouches;
};

} // namespace cocos2d

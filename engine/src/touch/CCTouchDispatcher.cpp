#include "touch/CCTouchDispatcher.h"

#include <algorithm>

#include "base/CCConsole.h"
#include "director/CCDirector.h"

namespace cocos2d {

CCTouchDispatcher::CCTouchDispatcher()
    : m_targetedHandlers(new CCArray()), m_standardHandlers(new CCArray()), m_handlersToAdd(new CCArray())
{
}

CCTouchDispatcher::~CCTouchDispatcher()
{
    for (auto& [id, touch] : m_activeTouches)
        touch->release();
    m_targetedHandlers->release();
    m_standardHandlers->release();
    m_handlersToAdd->release();
}

CCTouchHandler* CCTouchDispatcher::findHandler(CCArray* array, CCTouchDelegate* delegate)
{
    for (CCObject* object : *array) {
        auto* handler = static_cast<CCTouchHandler*>(object);
        if (handler->getDelegate() == delegate)
            return handler;
    }
    return nullptr;
}

CCTouchHandler* CCTouchDispatcher::findHandler(CCTouchDelegate* delegate)
{
    if (CCTouchHandler* handler = findHandler(m_targetedHandlers, delegate))
        return handler;
    return findHandler(m_standardHandlers, delegate);
}

void CCTouchDispatcher::forceAddHandler(CCTouchHandler* handler, CCArray* array)
{
    if (findHandler(array, handler->getDelegate())) {
        CCLog("CCTouchDispatcher: the delegate is already added to the dispatcher");
        return;
    }
    // Before every handler of the same priority: the newest registration is asked first.
    unsigned int index = 0;
    for (CCObject* object : *array) {
        if (static_cast<CCTouchHandler*>(object)->getPriority() >= handler->getPriority())
            break;
        ++index;
    }
    array->insertObject(handler, index);
}

void CCTouchDispatcher::queueAdd(CCTouchHandler* handler)
{
    // Removing and re-adding within one event cancels out: the old registration stays.
    auto it = std::find(m_handlersToRemove.begin(), m_handlersToRemove.end(), handler->getDelegate());
    if (it != m_handlersToRemove.end()) {
        m_handlersToRemove.erase(it);
        m_toRemove = !m_handlersToRemove.empty();
        return;
    }
    m_handlersToAdd->addObject(handler);
    m_toAdd = true;
}

void CCTouchDispatcher::addStandardDelegate(CCTouchDelegate* delegate, int priority)
{
    if (!delegate)
        return;
    CCTouchHandler* handler = CCStandardTouchHandler::handlerWithDelegate(delegate, priority);
    if (!m_locked)
        forceAddHandler(handler, m_standardHandlers);
    else
        queueAdd(handler);
}

void CCTouchDispatcher::addTargetedDelegate(CCTouchDelegate* delegate, int priority, bool swallowsTouches)
{
    if (!delegate)
        return;
    CCTouchHandler* handler = CCTargetedTouchHandler::handlerWithDelegate(delegate, priority, swallowsTouches);
    if (!m_locked)
        forceAddHandler(handler, m_targetedHandlers);
    else
        queueAdd(handler);
}

void CCTouchDispatcher::forceRemoveDelegate(CCTouchDelegate* delegate)
{
    if (CCTouchHandler* handler = findHandler(m_targetedHandlers, delegate))
        m_targetedHandlers->removeObject(handler);
    if (CCTouchHandler* handler = findHandler(m_standardHandlers, delegate))
        m_standardHandlers->removeObject(handler);
}

void CCTouchDispatcher::removeDelegate(CCTouchDelegate* delegate)
{
    if (!delegate)
        return;
    if (!m_locked) {
        forceRemoveDelegate(delegate);
        return;
    }
    // A queued addition of the same delegate is simply dropped.
    if (CCTouchHandler* handler = findHandler(m_handlersToAdd, delegate)) {
        m_handlersToAdd->removeObject(handler);
        m_toAdd = m_handlersToAdd->count() > 0;
        return;
    }
    if (std::find(m_handlersToRemove.begin(), m_handlersToRemove.end(), delegate) == m_handlersToRemove.end())
        m_handlersToRemove.push_back(delegate);
    m_toRemove = true;
}

void CCTouchDispatcher::removeAllDelegates()
{
    if (m_locked) {
        m_toQuit = true;
        return;
    }
    m_targetedHandlers->removeAllObjects();
    m_standardHandlers->removeAllObjects();
    m_handlersToAdd->removeAllObjects();
    m_handlersToRemove.clear();
    m_toAdd = m_toRemove = m_toQuit = false;
}

void CCTouchDispatcher::setPriority(int priority, CCTouchDelegate* delegate)
{
    CCTouchHandler* handler = findHandler(delegate);
    if (!handler) {
        CCLog("CCTouchDispatcher::setPriority: delegate not found");
        return;
    }
    if (handler->getPriority() == priority)
        return;
    handler->setPriority(priority);
    auto byPriority = [](CCObject* a, CCObject* b) {
        return static_cast<CCTouchHandler*>(a)->getPriority() < static_cast<CCTouchHandler*>(b)->getPriority();
    };
    m_targetedHandlers->stableSort(byPriority);
    m_standardHandlers->stableSort(byPriority);
}

void CCTouchDispatcher::touches(CCSet* touches, CCEvent* event, unsigned int index)
{
    if (!touches || touches->count() == 0)
        return;
    m_locked = true;
    // Handlers can unregister (and so release) themselves while we walk; hold them.
    CCArray* targeted = CCArray::createWithArray(m_targetedHandlers);
    CCArray* standard = CCArray::createWithArray(m_standardHandlers);
    CCSet* remaining = touches->copy();
    CCSet* all = touches->copy();

    if (targeted->count() > 0) {
        for (CCObject* touchObject : *all) {
            auto* touch = static_cast<CCTouch*>(touchObject);
            for (CCObject* handlerObject : *targeted) {
                auto* handler = static_cast<CCTargetedTouchHandler*>(handlerObject);
                CCTouchDelegate* delegate = handler->getDelegate();
                bool claimed = false;
                if (index == CCTOUCHBEGAN) {
                    claimed = delegate->ccTouchBegan(touch, event);
                    if (claimed)
                        handler->getClaimedTouches()->addObject(touch);
                } else if (handler->getClaimedTouches()->containsObject(touch)) {
                    claimed = true;
                    if (index == CCTOUCHMOVED) {
                        delegate->ccTouchMoved(touch, event);
                    } else if (index == CCTOUCHENDED) {
                        delegate->ccTouchEnded(touch, event);
                        handler->getClaimedTouches()->removeObject(touch);
                    } else if (index == CCTOUCHCANCELLED) {
                        delegate->ccTouchCancelled(touch, event);
                        handler->getClaimedTouches()->removeObject(touch);
                    }
                }
                if (claimed && handler->isSwallowsTouches()) {
                    remaining->removeObject(touch);
                    break;
                }
            }
        }
    }

    if (standard->count() > 0 && remaining->count() > 0) {
        for (CCObject* handlerObject : *standard) {
            CCTouchDelegate* delegate = static_cast<CCTouchHandler*>(handlerObject)->getDelegate();
            switch (index) {
            case CCTOUCHBEGAN:
                delegate->ccTouchesBegan(remaining, event);
                break;
            case CCTOUCHMOVED:
                delegate->ccTouchesMoved(remaining, event);
                break;
            case CCTOUCHENDED:
                delegate->ccTouchesEnded(remaining, event);
                break;
            case CCTOUCHCANCELLED:
                delegate->ccTouchesCancelled(remaining, event);
                break;
            default:
                break;
            }
        }
    }
    remaining->release();
    all->release();

    m_locked = false;
    if (m_toRemove) {
        m_toRemove = false;
        std::vector<CCTouchDelegate*> doomed;
        doomed.swap(m_handlersToRemove);
        for (CCTouchDelegate* delegate : doomed)
            forceRemoveDelegate(delegate);
    }
    if (m_toAdd) {
        m_toAdd = false;
        CCArray* pending = CCArray::createWithArray(m_handlersToAdd);
        m_handlersToAdd->removeAllObjects();
        for (CCObject* object : *pending) {
            auto* handler = static_cast<CCTouchHandler*>(object);
            forceAddHandler(handler, handler->isTargeted() ? m_targetedHandlers : m_standardHandlers);
        }
    }
    if (m_toQuit) {
        m_toQuit = false;
        removeAllDelegates();
    }
}

void CCTouchDispatcher::touchesBegan(CCSet* set, CCEvent* event)
{
    if (m_dispatchEvents)
        touches(set, event, CCTOUCHBEGAN);
}

void CCTouchDispatcher::touchesMoved(CCSet* set, CCEvent* event)
{
    if (m_dispatchEvents)
        touches(set, event, CCTOUCHMOVED);
}

void CCTouchDispatcher::touchesEnded(CCSet* set, CCEvent* event)
{
    if (m_dispatchEvents)
        touches(set, event, CCTOUCHENDED);
}

void CCTouchDispatcher::touchesCancelled(CCSet* set, CCEvent* event)
{
    if (m_dispatchEvents)
        touches(set, event, CCTOUCHCANCELLED);
}

void CCTouchDispatcher::handleTouch(unsigned int phase, int id, float viewX, float viewY)
{
    CCTouch* touch = nullptr;
    auto it = m_activeTouches.find(id);
    if (phase == CCTOUCHBEGAN) {
        if (it != m_activeTouches.end()) {
            // A begin without an end (lost release): finish the old touch as cancelled first.
            handleTouch(CCTOUCHCANCELLED, id, viewX, viewY);
        }
        touch = new CCTouch();
        touch->setTouchInfo(id, viewX, viewY);
        m_activeTouches[id] = touch;
    } else {
        if (it == m_activeTouches.end())
            return; // moves or ends of a touch we never saw begin
        touch = it->second;
        touch->setTouchInfo(id, viewX, viewY);
    }
    touch->retain(); // the map may drop it below
    if (phase == CCTOUCHENDED || phase == CCTOUCHCANCELLED) {
        m_activeTouches.erase(id);
        touch->release();
    }
    CCSet* set = new CCSet();
    set->addObject(touch);
    CCEvent* event = new CCEvent();
    switch (phase) {
    case CCTOUCHBEGAN:
        touchesBegan(set, event);
        break;
    case CCTOUCHMOVED:
        touchesMoved(set, event);
        break;
    case CCTOUCHENDED:
        touchesEnded(set, event);
        break;
    default:
        touchesCancelled(set, event);
        break;
    }
    event->release();
    set->release();
    touch->release();
}

void CCTouchDispatcher::handleTouchAtLocation(unsigned int phase, int id, const CCPoint& location)
{
    CCPoint view = CCDirector::sharedDirector()->convertToUI(location);
    handleTouch(phase, id, view.x, view.y);
}

std::vector<CCTouchDelegate*> CCTouchDispatcher::targetedDelegates() const
{
    std::vector<CCTouchDelegate*> delegates;
    for (CCObject* object : *m_targetedHandlers)
        delegates.push_back(static_cast<CCTouchHandler*>(object)->getDelegate());
    return delegates;
}

std::vector<CCTouchDelegate*> CCTouchDispatcher::standardDelegates() const
{
    std::vector<CCTouchDelegate*> delegates;
    for (CCObject* object : *m_standardHandlers)
        delegates.push_back(static_cast<CCTouchHandler*>(object)->getDelegate());
    return delegates;
}

} // namespace cocos2d

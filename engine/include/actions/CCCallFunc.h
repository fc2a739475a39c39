// Calls target->selector(). The target is retained while the action exists.
#pragma once

#include "actions/CCActionInstant.h"

namespace cocos2d {

class CCCallFunc : public CCActionInstant {
public:
    ~CCCallFunc() override;
    static CCCallFunc* create(CCObject* selectorTarget, SEL_CallFunc selector);
    virtual bool init() { return true; }
    virtual bool initWithTarget(CCObject* selectorTarget);

    // Calls the selector; subclasses pass more arguments.
    virtual void execute();
    void update(float time) override;
    CCObject* copyWithZone(CCZone* zone) override;

    CCObject* getTargetCallback() { return m_pSelectorTarget; }
    void setTargetCallback(CCObject* sel);

protected:
    CCObject* m_pSelectorTarget = nullptr;
    SEL_CallFunc m_pCallFunc = nullptr;
    SEL_CallFuncN m_pCallFuncN = nullptr;
    SEL_CallFuncND m_pCallFuncND = nullptr;
    SEL_CallFuncO m_pCallFuncO = nullptr;
};

} // namespace cocos2d

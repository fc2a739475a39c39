// Calls target->selector(node running the action).
#pragma once

#include "actions/CCCallFunc.h"

namespace cocos2d {

class CCCallFuncN : public CCCallFunc {
public:
    using CCCallFunc::initWithTarget;
    static CCCallFuncN* create(CCObject* selectorTarget, SEL_CallFuncN selector);
    virtual bool initWithTarget(CCObject* selectorTarget, SEL_CallFuncN selector);
    void execute() override;
    CCObject* copyWithZone(CCZone* zone) override;
};

} // namespace cocos2d

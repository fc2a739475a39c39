#pragma once

#include "actions/CCCallFuncN.h"

namespace cocos2d {

class CCCallFuncND : public CCCallFuncN {
public:
    using CCCallFuncN::initWithTarget;
    static CCCallFuncND* create(CCObject* selectorTarget, SEL_CallFuncND selector, void* d);
    virtual bool initWithTarget(CCObject* selectorTarget, SEL_CallFuncND selector, void* d);
    void execute() override;
    CCObject* copyWithZone(CCZone* zone) override;

protected:
    void* m_pData = nullptr;
};

} // namespace cocos2d

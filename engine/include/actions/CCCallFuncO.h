// Calls target->selector(object); the object is retained.
#pragma once

#include "actions/CCCallFunc.h"

namespace cocos2d {

class CCCallFuncO : public CCCallFunc {
public:
    using CCCallFunc::initWithTarget;
    ~CCCallFuncO() override;
    static CCCallFuncO* create(CCObject* selectorTarget, SEL_CallFuncO selector, CCObject* object);
    virtual bool initWithTarget(CCObject* selectorTarget, SEL_CallFuncO selector, CCObject* object);
    void execute() override;
    CCObject* copyWithZone(CCZone* zone) override;
    CCObject* getObject() { return m_pObject; }
    void setObject(CCObject* obj);

protected:
    CCObject* m_pObject = nullptr;
};

} // namespace cocos2d

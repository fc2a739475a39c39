#pragma once

#include "base/CCObject.h"

namespace cocos2d {

class CCFloat : public CCObject {
public:
    explicit CCFloat(float v) : m_fValue(v) {}
    float getValue() const { return m_fValue; }
    static CCFloat* create(float v)
    {
        auto* p = new CCFloat(v);
        p->autorelease();
        return p;
    }
    CCObject* copyWithZone(CCZone*) override { return new CCFloat(m_fValue); }

private:
    float m_fValue;
};

} // namespace cocos2d

#pragma once

#include "base/CCObject.h"

namespace cocos2d {

class CCInteger : public CCObject {
public:
    explicit CCInteger(int v) : m_nValue(v) {}
    int getValue() const { return m_nValue; }
    static CCInteger* create(int v)
    {
        auto* p = new CCInteger(v);
        p->autorelease();
        return p;
    }
    CCObject* copyWithZone(CCZone*) override { return new CCInteger(m_nValue); }

private:
    int m_nValue;
};

} // namespace cocos2d

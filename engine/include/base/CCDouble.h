#pragma once

#include "base/CCObject.h"

namespace cocos2d {

class CCDouble : public CCObject {
public:
    explicit CCDouble(double v) : m_dValue(v) {}
    double getValue() const { return m_dValue; }
    static CCDouble* create(double v)
    {
        auto* p = new CCDouble(v);
        p->autorelease();
        return p;
    }
    CCObject* copyWithZone(CCZone*) override { return new CCDouble(m_dValue); }

private:
    double m_dValue;
};

} // namespace cocos2d

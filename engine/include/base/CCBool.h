#pragma once

#include "base/CCObject.h"

namespace cocos2d {

class CCBool : public CCObject {
public:
    explicit CCBool(bool v) : m_bValue(v) {}
    bool getValue() const { return m_bValue; }
    static CCBool* create(bool v)
    {
        auto* p = new CCBool(v);
        p->autorelease();
        return p;
    }
    CCObject* copyWithZone(CCZone*) override { return new CCBool(m_bValue); }

private:
    bool m_bValue;
};

} // namespace cocos2d

// Immutable-ish string object of 2.2, with the numeric conversions games use.
#pragma once

#include <string>

#include "base/CCObject.h"

namespace cocos2d {

class CCString : public CCObject {
public:
    CCString() = default;
    CCString(const char* str) : m_sString(str ? str : "") {}
    CCString(const std::string& str) : m_sString(str) {}

    bool initWithFormat(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    // atoi/atof semantics: leading number, 0 when none.
    int intValue() const;
    unsigned int uintValue() const;
    float floatValue() const;
    double doubleValue() const;
    // false for "", "0" and "false"; true otherwise.
    bool boolValue() const;
    const char* getCString() const { return m_sString.c_str(); }
    unsigned int length() const { return static_cast<unsigned int>(m_sString.length()); }
    int compare(const char* str) const { return m_sString.compare(str ? str : ""); }

    CCObject* copyWithZone(CCZone* zone) override;
    bool isEqual(const CCObject* object) override;

    static CCString* create(const std::string& str);
    static CCString* createWithFormat(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 1, 2)))
#endif
        ;
    static CCString* createWithData(const unsigned char* data, unsigned long length);
    static CCString* createWithContentsOfFile(const char* fileName);

    std::string m_sString;
};

#define CCStringMake(str) ::cocos2d::CCString::create(str)
#define ccs CCStringMake

} // namespace cocos2d

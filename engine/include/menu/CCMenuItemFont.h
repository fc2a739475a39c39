// A CCMenuItemLabel with a TTF label in the shared default font name and size.
#pragma once

#include <string>

#include "menu/CCMenuItemLabel.h"

namespace cocos2d {

class CCMenuItemFont : public CCMenuItemLabel {
public:
    static void setFontSize(unsigned int size);
    static unsigned int fontSize();
    static void setFontName(const char* name);
    static const char* fontName();

    static CCMenuItemFont* create(const char* value);
    static CCMenuItemFont* create(const char* value, CCObject* target, SEL_MenuHandler selector);
    bool initWithString(const char* value, CCObject* target, SEL_MenuHandler selector);
};

} // namespace cocos2d

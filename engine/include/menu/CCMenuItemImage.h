// CCMenuItemSprite made from picture files.
#pragma once

#include "menu/CCMenuItemSprite.h"

namespace cocos2d {

class CCMenuItemImage : public CCMenuItemSprite {
public:
    // Null (logged) when the normal picture cannot be loaded; missing other pictures are left out.
    static CCMenuItemImage* create(const char* normalImage, const char* selectedImage);
    static CCMenuItemImage* create(const char* normalImage, const char* selectedImage, const char* disabledImage);
    static CCMenuItemImage* create(const char* normalImage, const char* selectedImage, CCObject* target,
                                   SEL_MenuHandler selector);
    static CCMenuItemImage* create(const char* normalImage, const char* selectedImage, const char* disabledImage,
                                   CCObject* target, SEL_MenuHandler selector);
    bool initWithNormalImage(const char* normalImage, const char* selectedImage, const char* disabledImage,
                             CCObject* target, SEL_MenuHandler selector);
};

} // namespace cocos2d

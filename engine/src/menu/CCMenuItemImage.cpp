#include "menu/CCMenuItemImage.h"

#include "base/CCConsole.h"
#include "sprites/CCSprite.h"

namespace cocos2d {

CCMenuItemImage* CCMenuItemImage::create(const char* normalImage, const char* selectedImage)
{
    return create(normalImage, selectedImage, nullptr, nullptr, nullptr);
}

CCMenuItemImage* CCMenuItemImage::create(const char* normalImage, const char* selectedImage,
                                         const char* disabledImage)
{
    return create(normalImage, selectedImage, disabledImage, nullptr, nullptr);
}

CCMenuItemImage* CCMenuItemImage::create(const char* normalImage, const char* selectedImage, CCObject* target,
                                         SEL_MenuHandler selector)
{
    return create(normalImage, selectedImage, nullptr, target, selector);
}

CCMenuItemImage* CCMenuItemImage::create(const char* normalImage, const char* selectedImage,
                                         const char* disabledImage, CCObject* target, SEL_MenuHandler selector)
{
    auto* item = new CCMenuItemImage();
    if (!item->initWithNormalImage(normalImage, selectedImage, disabledImage, target, selector)) {
        delete item;
        return nullptr;
    }
    item->autorelease();
    return item;
}

bool CCMenuItemImage::initWithNormalImage(const char* normalImage, const char* selectedImage,
                                          const char* disabledImage, CCObject* target, SEL_MenuHandler selector)
{
    CCNode* normal = normalImage ? CCSprite::create(normalImage) : nullptr;
    if (!normal) {
        CCLog("CCMenuItemImage: cannot load %s", normalImage ? normalImage : "(null)");
        return false;
    }
    CCNode* selected = selectedImage && *selectedImage ? CCSprite::create(selectedImage) : nullptr;
    CCNode* disabled = disabledImage && *disabledImage ? CCSprite::create(disabledImage) : nullptr;
    return initWithNormalSprite(normal, selected, disabled, target, selector);
}

} // namespace cocos2d

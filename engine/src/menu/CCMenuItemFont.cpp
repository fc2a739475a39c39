#include "menu/CCMenuItemFont.h"

#include "labels/CCLabelTTF.h"

namespace cocos2d {

namespace {
unsigned int g_fontSize = 32;
std::string g_fontName = "Marker Felt";
} // namespace

void CCMenuItemFont::setFontSize(unsigned int size)
{
    g_fontSize = size;
}

unsigned int CCMenuItemFont::fontSize()
{
    return g_fontSize;
}

void CCMenuItemFont::setFontName(const char* name)
{
    g_fontName = name ? name : "";
}

const char* CCMenuItemFont::fontName()
{
    return g_fontName.c_str();
}

CCMenuItemFont* CCMenuItemFont::create(const char* value)
{
    return create(value, nullptr, nullptr);
}

CCMenuItemFont* CCMenuItemFont::create(const char* value, CCObject* target, SEL_MenuHandler selector)
{
    auto* item = new CCMenuItemFont();
    if (!item->initWithString(value, target, selector)) {
        delete item;
        return nullptr;
    }
    item->autorelease();
    return item;
}

bool CCMenuItemFont::initWithString(const char* value, CCObject* target, SEL_MenuHandler selector)
{
    CCLabelTTF* label = CCLabelTTF::create(value ? value : "", g_fontName.c_str(), static_cast<float>(g_fontSize));
    return label && initWithLabel(label, target, selector);
}

} // namespace cocos2d

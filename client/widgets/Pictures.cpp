#include "widgets/Pictures.h"

#include "app/ClientLog.h"

USING_NS_CC;

CCSprite* Pictures::sprite(const std::string& name) {
    if (CCSpriteFrame* frame = CCSpriteFrameCache::sharedSpriteFrameCache()->spriteFrameByName(name.c_str())) {
        return CCSprite::createWithSpriteFrame(frame);
    }
    const std::string path = CCFileUtils::sharedFileUtils()->fullPathForFilename(name.c_str());
    if (CCFileUtils::sharedFileUtils()->isFileExist(path)) {
        if (CCSprite* sprite = CCSprite::create(name.c_str())) {
            return sprite;
        }
    }
    ClientLog::write("picture %s is missing", name.c_str());
    return CCSprite::create();
}

CCLabelTTF* Pictures::label(const std::string& text, float size, const CCSize& box, CCTextAlignment alignment) {
    CCLabelTTF* label = CCLabelTTF::create(text.c_str(), "simhei.ttf", size, box, alignment);
    if (label == nullptr) {
        ClientLog::write("label \"%s\" could not be made", text.c_str());
        // Keeps the text, so the screen still reads right even where it cannot be drawn.
        label = CCLabelTTF::create();
        label->setString(text.c_str());
    }
    return label;
}

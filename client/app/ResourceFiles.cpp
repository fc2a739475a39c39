#include "app/ResourceFiles.h"

#include "cocos2d.h"

USING_NS_CC;

std::string ResourceFiles::readText(const std::string& name) {
    std::string content;
    if (!CCFileUtils::sharedFileUtils()->readFile(name, content)) {
        return "";
    }
    return content;
}

std::string ResourceFiles::writablePath() { return CCFileUtils::sharedFileUtils()->getWritablePath(); }

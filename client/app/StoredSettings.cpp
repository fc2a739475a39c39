#include "app/StoredSettings.h"

#include "app/Md5.h"

#include "cocos2d.h"

USING_NS_CC;

void StoredSettings::storeUserName(const std::string& name) {
    CCUserDefault::sharedUserDefault()->setStringForKey(settings::kUserName, name);
    CCUserDefault::sharedUserDefault()->flush();
}

void StoredSettings::storePassword(const std::string& password) {
    CCUserDefault::sharedUserDefault()->setStringForKey(settings::kPassword, password);
    CCUserDefault::sharedUserDefault()->flush();
}

std::string StoredSettings::storedUserName() {
    return CCUserDefault::sharedUserDefault()->getStringForKey(settings::kUserName, "");
}

std::string StoredSettings::storedPasswordDigest() {
    return Md5::hexDigest(CCUserDefault::sharedUserDefault()->getStringForKey(settings::kPassword, ""));
}

bool StoredSettings::readBool(const char* key, bool fallback) {
    return CCUserDefault::sharedUserDefault()->getBoolForKey(key, fallback);
}

void StoredSettings::writeBool(const char* key, bool value) {
    CCUserDefault::sharedUserDefault()->setBoolForKey(key, value);
    CCUserDefault::sharedUserDefault()->flush();
}

std::string StoredSettings::guideKey(const std::string& guideName) { return guideName + "_hadGuide"; }

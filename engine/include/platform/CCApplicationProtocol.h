// What a game's AppDelegate implements, and the language and platform enums of 2.2.
#pragma once

namespace cocos2d {

typedef enum {
    kLanguageEnglish = 0,
    kLanguageChinese,
    kLanguageFrench,
    kLanguageItalian,
    kLanguageGerman,
    kLanguageSpanish,
    kLanguageRussian,
    kLanguageKorean,
    kLanguageJapanese,
    kLanguageHungarian,
    kLanguagePortuguese,
    kLanguageArabic
} ccLanguageType;

enum TargetPlatform {
    kTargetWindows,
    kTargetLinux,
    kTargetMacOS,
    kTargetAndroid,
    kTargetIphone,
    kTargetIpad,
};

class CCApplicationProtocol {
public:
    virtual ~CCApplicationProtocol() = default;
    // Set up the director and the first scene; false ends run() at once.
    virtual bool applicationDidFinishLaunching() = 0;
    // Window minimised.
    virtual void applicationDidEnterBackground() = 0;
    // Window restored.
    virtual void applicationWillEnterForeground() = 0;
    virtual void setAnimationInterval(double interval) = 0;
    virtual ccLanguageType getCurrentLanguage() = 0;
    virtual TargetPlatform getTargetPlatform() = 0;
};

} // namespace cocos2d

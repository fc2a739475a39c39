// The settings panel's contact page ("ours.ExportJson"): where to reach us and the client version.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

class CContactPage : public cocos2d::extension::UILayer {
public:
    static CContactPage* create();
    bool init() override;

    static constexpr const char* kPhone1 = "400-820-1234";
    static constexpr const char* kPhone2 = "010-6552-0880";

private:
    void onBack(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void setLabel(const char* name, const std::string& text);
};

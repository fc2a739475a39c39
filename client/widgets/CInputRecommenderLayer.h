// A small two-button dialog over "InputLayer.ExportJson". Mode 0 asks for a referrer's code (with
// checks on the code before the confirm action runs); mode 2 is a choice without an input box,
// opened after an answer whose chosen option carries a link. The dialog never sends anything and
// never removes itself on confirm: its owner decides.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

#include <string>

class CInputBox;

class CInputRecommenderLayer : public cocos2d::CCLayer {
public:
    enum Mode { kCodeEntry = 0, kChoice = 2 };

    static CInputRecommenderLayer* create(const std::string& title, cocos2d::CCObject* target,
                                          cocos2d::SEL_CallFunc onConfirm, cocos2d::SEL_CallFunc onCancel, int mode);
    virtual bool init(const std::string& title, cocos2d::CCObject* target, cocos2d::SEL_CallFunc onConfirm,
                      cocos2d::SEL_CallFunc onCancel, int mode);

    std::string inputText() const;
    void onOk();
    void onBack();

    int mode() const { return m_mode; }
    CInputBox* inputBox() const { return m_inputBox; }
    cocos2d::extension::UILayer* uiLayer() const { return m_ui; }

    static constexpr int kTouchPriority = -1281;

private:
    using cocos2d::CCLayer::init;
    void onButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    bool codeIsAcceptable();
    void refuse(const char* key);

    std::string m_title;
    cocos2d::CCObject* m_target = nullptr;
    cocos2d::SEL_CallFunc m_onConfirm = nullptr;
    cocos2d::SEL_CallFunc m_onCancel = nullptr;
    int m_mode = kCodeEntry;
    CInputBox* m_inputBox = nullptr;
    cocos2d::extension::UILayer* m_ui = nullptr;
};

// Scene 18: the details prize money is paid on (name, sex, birthday, QQ, province, city, address),
// confirmed with a 4-digit code the server texts to the player's mobile number. A save sets the
// player's "details filled" flag and leads to the store.
#pragma once

#include "widgets/listView.h"

#include "cocos2d.h"
#include "cocos-ext.h"

#include <string>

class CInputBox;

class CReceiveMoneyLayer : public cocos2d::CCLayer, public listViewDelegateProtocol {
public:
    static cocos2d::CCScene* scene();
    static CReceiveMoneyLayer* create();
    bool init() override { return cocos2d::CCLayer::init(); }
    void onEnter() override;
    // While a picker is open, the touches on it are kept from the form's widgets under it.
    void registerWithTouchDispatcher() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

    // Whether every field is filled as the server will take it; the first fault gets its box.
    bool checkForm();
    void requestAuthCode();
    void onAuthCode(int code);
    void saveReceiveInfo();
    void onInfoSaved(int code);
    // Exchange failures are shown by the server link.
    void onRequestFailed(int status);
    void countdownTick(float dt);
    void chooseSex(int sex);
    void openPicker(int mode);
    void onListChosen(int mode, std::string chosen) override;

    // Year * 10000 + month * 100 + day as the labels read in decimal (leading zeros are fine).
    static int birthdayOf(const std::string& year, const std::string& month, const std::string& day);

    cocos2d::extension::UIWidget* widget(const char* name) const;
    CInputBox* nameBox() const { return m_nameBox; }
    CInputBox* qqBox() const { return m_qqBox; }
    CInputBox* codeBox() const { return m_codeBox; }
    CInputBox* addressBox() const { return m_addressBox; }
    // 0 province, 1 city, 2 year, 3 month, 4 day.
    cocos2d::CCLabelTTF* choiceLabel(int mode) const;
    cocos2d::CCLabelTTF* phoneLabel() const { return m_phoneLabel; }
    cocos2d::CCLabelTTF* countdownLabel() const { return m_countdownLabel; }
    listView* openPickerView() const;
    int sex() const { return m_sex; }
    int countdown() const { return m_countdown; }
    bool countdownRunning() const { return m_running; }

    static constexpr int kPickerTag = 10;
    static constexpr int kPickerZ = 200;
    static constexpr int kUiPriority = 2;
    // After the picker's table (0), before the form's widgets.
    static constexpr int kPickerGuardPriority = 1;
    static constexpr int kCountdownSeconds = 60;
    static constexpr int kStoreScene = 6;

private:
    void build();
    void onButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    CInputBox* addInputBox(const char* fieldName, float width, int maxLength, float distance, bool raised);
    cocos2d::CCLabelTTF* addLabelLeftOf(const char* widgetName, float gap);
    void setCodeButtonTouchable(bool touchable);
    void showCountdown(bool shown);
    void showCountdownText(const std::string& shown);
    void showBox(const char* key, cocos2d::SEL_CallFunc onSure = nullptr);
    void openStore();

    cocos2d::extension::UILayer* m_ui = nullptr;
    cocos2d::extension::UIWidget* m_codeButton = nullptr;
    cocos2d::extension::UIWidget* m_saveButton = nullptr;
    int m_countdown = kCountdownSeconds;
    bool m_running = false;
    cocos2d::CCLabelTTF* m_countdownLabel = nullptr;
    CInputBox* m_nameBox = nullptr;
    CInputBox* m_qqBox = nullptr;
    CInputBox* m_codeBox = nullptr;
    CInputBox* m_addressBox = nullptr;
    cocos2d::CCLabelTTF* m_choices[5] = {};
    cocos2d::CCLabelTTF* m_phoneLabel = nullptr;
    cocos2d::extension::UIWidget* m_manMark = nullptr;
    cocos2d::extension::UIWidget* m_ladyMark = nullptr;
    int m_sex = 2; // 2 not chosen, 1 man, 0 woman
};

// Scene 16: the profile form (nickname, e-mail) with the player's statistics, the referrer entry
// (a code typed once) and the list of the players this player referred.
#pragma once

#include "account/CRefereesInfoLayer.h"

#include "cocos2d.h"
#include "cocos-ext.h"

#include <string>
#include <vector>

class CInputBox;

class CChangeUserInfoLayer : public cocos2d::CCLayer {
public:
    static cocos2d::CCScene* scene();
    static CChangeUserInfoLayer* create();
    bool init() override { return true; }
    void onEnter() override;

    void saveProfile();
    void onProfileSaved(int code);
    void onProfileStatus(int status);
    void onStatistics(int code);
    void openReferrerDialog();
    void sendReferrer();
    void onReferrerSet(int code);
    void requestReferredFriends();
    void onReferredFriends(int code);

    // 0 when the nickname may be saved: 1 to 18 bytes of well-formed UTF-8, no spaces, no control
    // characters, no markup. 1 otherwise.
    static int checkNickname(const std::string& nickname);
    // 0 for an empty e-mail or one the whole of which fits the address pattern; 1 otherwise.
    static int checkEmail(const std::string& email);

    CInputBox* nicknameBox() const { return m_nicknameBox; }
    CInputBox* emailBox() const { return m_emailBox; }
    cocos2d::extension::UIWidget* widget(const char* name) const;
    cocos2d::CCNode* statisticsPanel();
    cocos2d::CCNode* referrerLabel() const { return m_referrerLabel; }
    cocos2d::CCNode* listLabel() const { return m_listLabel; }
    int referralPage() const { return m_referralPage; }
    const std::vector<RefereeRow>& gatheredRows() const { return m_gatheredRows; }

    static constexpr int kBoxTag = 298;
    static constexpr int kReferrerDialogTag = 10088;
    static constexpr int kReferrerDialogZ = 100;
    static constexpr int kRefereesZ = 1000;
    static constexpr int kMoneyTag = 100;
    static constexpr int kScoreTag = 101;
    static constexpr int kStatisticsTag = 2000;
    // A full page of the referral list; a shorter one is the last.
    static constexpr int kReferralPageSize = 100;
    // However many full pages a server sends, the list ends here and shows what it has.
    static constexpr int kMostReferralPages = 100;

private:
    void onButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    CInputBox* addInputBox(const char* backgroundName, int maxLength, const char* placeholderKey,
                           const std::string& shown);
    cocos2d::CCLabelBMFont* labelOnButton(const char* buttonName, const char* labelName, const char* key);
    void addNumberLabel(const char* iconName, int value, int tag);
    // The referrer button gone, the list button 90 to the right: the player has a referrer.
    void arrangeForReferrer();
    void showBox(const char* key);
    void showReferees();

    cocos2d::extension::UILayer* m_ui = nullptr;
    CInputBox* m_nicknameBox = nullptr;
    CInputBox* m_emailBox = nullptr;
    cocos2d::CCLabelBMFont* m_referrerLabel = nullptr;
    cocos2d::CCLabelBMFont* m_listLabel = nullptr;
    bool m_referrerArranged = false;
    int m_statisticsCode = -1;
    int m_referralPage = 0;
    std::vector<RefereeRow> m_gatheredRows;
};

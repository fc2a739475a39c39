// Scene 26, one team: its members, what the player may do in his role (dismiss, kick out, sign
// up, cancel, quit, join), the state of the team in the coming match with its countdown, and the
// way into the match when it begins.
#pragma once

#include "net/ResponseRecords.h"
#include "widgets/CPageController.h"

#include "cocos2d.h"
#include "cocos-ext.h"

#include <string>
#include <vector>

class CCountDownLabel;

class CHD_TeamInfoLayer : public cocos2d::CCLayer, public pageControllerDelegateProtocol {
public:
    static cocos2d::CCScene* scene(const TeamInfo& team, int role);
    static CHD_TeamInfoLayer* create(const TeamInfo& team, int role);
    void onEnter() override;
    void onEnterTransitionDidFinish() override;
    void onExitTransitionDidStart() override;
    void keyBackClicked() override;

    void onPageChanged(int page, int pageCount) override;

    void onScheduleAnswer(int code);
    void onTeamAnswer(int code);
    void onDismissAnswer(int code);
    void onKickAnswer(int code);
    void onSignUpAnswer(int code);
    void onCancelAnswer(int code);
    void onQuitAnswer(int code);
    void onJoinAnswer(int code);
    void onRequestFailed(int) {}

    static constexpr int kRows = 5;
    static constexpr int kNoticeTag = 1200;
    static constexpr int kLayoutTag = 1000, kRowTextTag = 1001, kStateTag = 1002, kPagerTag = 1003,
                         kRightLabelTag = 1004;
    static constexpr int kNoticeZ = 300;
    // Seconds before the start at which the round's questions are asked for.
    static constexpr long long kQuestionListSeconds = 10;
    // A sign-up can be cancelled until five minutes before the start; the client stops two
    // seconds early so the request cannot arrive after the server's limit.
    static constexpr long long kLastCancelSeconds = 299;

    int role() const { return m_role; }
    bool signedUp() const { return m_signedUp; }
    const TeamInfo& team() const { return m_team; }
    bool questionListAsked() const { return m_listAsked; }
    CCountDownLabel* countdown() const { return m_countdown; }
    // The eliminated / already-won line at the state spot; null otherwise.
    cocos2d::CCLabelTTF* stateText();
    // The signed-up label shown in place of the right button outside role 1; null in role 1.
    cocos2d::CCLabelTTF* rightLabel();
    cocos2d::extension::UIWidget* widget(const char* name) const;
    cocos2d::extension::UIWidget* rowWidget(const char* pattern, int row) const;
    // The name and "right/answered" of member row `row`; empty for an empty row.
    std::vector<std::string> rowTexts(int row);

    // The buttons' actions (what their touches run).
    void onLeftButton();
    void onRightButton();
    void onKickOut(int row);

private:
    bool initWith(const TeamInfo& team, int role);
    void onButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void buildHeader();
    void fillRows();
    void buildButtons();
    void clearState();
    void matchTick(float dt);
    void showNotice();
    void askSchedule();
    int maxTeamer() const;
    int memberCount() const;
    bool eliminated() const;
    void notice(const std::string& text, cocos2d::SEL_CallFunc onSure = nullptr);
    void ask(const char* key, cocos2d::SEL_CallFunc onSure);

    void dismiss();
    void kick();
    void signUp();
    void cancelSignUp();
    void quit();
    void join();
    void fetchAgain();
    void backToList();

    cocos2d::extension::UILayer* m_uiRoot = nullptr;
    CPageController* m_pager = nullptr;
    CCountDownLabel* m_countdown = nullptr;
    TeamInfo m_team;
    std::vector<TeamMember> m_members;
    int m_role = 3;
    int m_page = 0;
    bool m_signedUp = false;
    bool m_listAsked = false;
    bool m_sawAboutToBegin = false;
    bool m_facingOff = false;
    int m_kickRow = -1;
};

// Scene 25, the team list: five teams a page with their places, members and points, viewing and
// joining a team, quick join, the player's own team, creating a team, rankings and rules.
#pragma once

#include "net/ResponseRecords.h"
#include "widgets/CPageController.h"

#include "cocos2d.h"
#include "cocos-ext.h"

#include <string>
#include <vector>

class CHD_TeamLayer : public cocos2d::CCLayer, public pageControllerDelegateProtocol {
public:
    static cocos2d::CCScene* scene();
    static CHD_TeamLayer* create();
    bool init() override;
    void onEnter() override;
    void onEnterTransitionDidFinish() override;
    void onExitTransitionDidStart() override;
    void keyBackClicked() override;

    void onPageChanged(int page, int pageCount) override;

    void onListAnswer(int code);
    void onOwnListAnswer(int code);
    void onTeamAnswer(int code);
    void onJoinAnswer(int code);
    void onRequestFailed(int) {}

    static constexpr int kRows = 5;
    static constexpr int kLayoutTag = 1000, kRowTextTag = 1001, kPagerTag = 1010, kCreateTag = 1020;

    cocos2d::extension::UIWidget* widget(const char* name) const;
    cocos2d::extension::UIWidget* rowWidget(const char* pattern, int row) const;
    CPageController* pager() const { return m_pager; }
    // The texts drawn on row `row` (place, name, members, points); empty for an empty row.
    std::vector<std::string> rowTexts(int row);
    // The line shown while no team exists at all ("" when there is none).
    std::string emptyHint();
    int page() const { return m_page; }

private:
    void wireButtons();
    void onButton(cocos2d::CCObject* sender, cocos2d::extension::TouchEventType type);
    void addCaptions();
    void fillRows();
    void askPage(int page);
    void createTeam();
    void quickJoin();
    void openOwnTeam();
    void viewTeam(int row);
    void joinTeam(int row);
    void refreshAfterJoin();
    void notice(const char* key);

    cocos2d::extension::UILayer* m_uiRoot = nullptr;
    CPageController* m_pager = nullptr;
    std::vector<TeamInfo> m_teams;
    TeamInfo m_viewing;
    int m_page = 0;
    // The own team the player had before asking the server for it again: 0 = he had none.
    int m_ownBefore = 0;
};

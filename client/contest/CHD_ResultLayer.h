// The end of a contest: both players' results side by side (one-to-one and challenge) or the
// team's (team match), won / lost / tied, the reward counting up, and "sure" back to the hall the
// contest came from.
#pragma once

#include "net/ResponseRecords.h"
#include "widgets/CMessageBox.h"

#include "cocos-ext.h"

#include <json/value.h>

#include <string>

// One player's (or team's) side of a result.
struct ContestResult {
    int right = 0;
    int wrong = 0;
    int rewardAmount = 0;
    int rewardKind = -1; // 0 score, 1 money, -1 none
    std::string name;
    int outcome = 0; // one-to-one and challenge: 0 lost, 1 won, 2 tied; team: the team's score
    int score = 0;
    float timeUsed = 0;
    std::string player; // the player id of a pushed side ("challenge" / "challenge2")

    // One side of a pushed result: suffix "" or "2".
    static ContestResult fromPush(const Json::Value& v, const std::string& suffix);
    // A line of the prize table answer (a team round, or an exam), shown under `name`.
    static ContestResult fromTeamPrize(const PrizeItem& prize, const std::string& name);
};

class CHD_ResultLayer : public CMessageBox {
public:
    static CHD_ResultLayer* create();
    bool init() override;

    // Mode: 1 one-to-one, 2 team match, 3 challenge, 4 exam. A reward of score or money is added to the
    // player's record at once, so the screens after show it before anything is fetched again.
    void setData(const ContestResult& own, const ContestResult& opponent, int mode);

    void onEnter() override;
    void ccTouchEnded(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;
    // A release at a dialog-local point: "sure" when it hits the button.
    void pressAt(const cocos2d::CCPoint& local);
    void pressSure();

    int mode() const { return m_mode; }
    const ContestResult& own() const { return m_own; }
    const ContestResult& opponent() const { return m_opponent; }
    cocos2d::CCSprite* sureButton() const { return m_sure; }
    cocos2d::extension::UILayer* layout() const { return m_layout; }

    static constexpr int kOwnCountTag = 1000;
    static constexpr int kOpponentCountTag = 1001;
    static constexpr int kTitleTag = 1002; // the ribbon's title of a one-sided result

private:
    bool twoSides() const { return m_mode == 1 || m_mode == 3; }
    void fillColumn(const ContestResult& record, float x, int countTag);
    void showOutcome();
    void count(float dt);

    int m_mode = 0;
    ContestResult m_own, m_opponent;
    int m_counted = 0;
    cocos2d::CCSprite* m_sure = nullptr;
    cocos2d::extension::UILayer* m_layout = nullptr;
};

// The latest answer of each kind. A new answer replaces the stored one; lists are never merged.
#pragma once

#include "net/ResponseRecords.h"

#include <string>
#include <vector>

class GameData {
public:
    static GameData& instance();

    // Back to the state of a fresh start (tests, and nothing else).
    void reset();

    std::string upgradeUrl, upgradeInfo;
    ServerEndpoint gameServerCopy;
    std::string tip;
    UserInfo user;
    // Achievements as the task screen's two tabs show them, each in server order: in progress while
    // "do" is below "done", finished from then on (a count past its target is finished too).
    std::vector<AchievementItem> achievementsInProgress;
    std::vector<AchievementItem> achievementsFinished;
    SignInfo signInfo;
    SignAward signAward;
    RankPage rankPage;
    TreasureResult treasure;
    std::vector<int> collection;
    std::vector<GoodsType> goodsTypes;
    std::vector<GoodsInfo> goods;
    int goodsBreak = 0;
    std::vector<BuyRecord> buyRecords;
    GoodsDetail goodsDetail;
    std::string exchangeTip;
    // The answer's "act" picks the list: 0 the loading screen's notices, otherwise the main menu's roll.
    std::vector<Notice> notices;
    std::vector<Notice> rollNotices;
    int noticeAct = 0;
    std::vector<EventItem> events;
    std::vector<Explain> explains;
    std::vector<SdkPlat> sdkPlats;
    WallEntry wallEntry;
    std::vector<MatchSchedule> matchSchedule;
    // Why the server refused the last contest question list (its "tip"; empty when it said nothing).
    std::string questionListTip;
    int teamMatchStatus = 0;
    std::vector<TeamInfo> teamList;
    OwnTeamSummary myTeam;
    std::vector<TeamMember> teamMembers;
    // The team of the last team answer (39) itself: its "number" and signed-up state are news the
    // list page of that team may not have yet.
    TeamInfo teamRecord;
    std::vector<PrizeItem> teamPrizes;
    std::vector<PrizeItem> prizeTable;
    TeamRankPage teamRank;
    ContestRankPage contestRank;
    int enableCount = 0, isKing = 0;
    ContestOpponent opponent;
    std::vector<ReferralItem> referrals;
    ReferralStats referralStats;
    int bonusMoney = 0;
    int eventFailReason = 0;
    // "addscore" of the last task claim or sign-in.
    int lastAddScore = 0;
    bool rememberChoice = false;
    // The question-list date; starts at 0 and nothing sets it.
    int date = 0;
    // Set while the team-match announcement chain (heartbeat, team list, own team) is under way.
    bool teamAnnouncePending = false;

private:
    GameData() = default;
};

// Every request the game sends, by the names the screens use. Each builder fills "system", the
// sub-command and its members and sends with the catalogue's busy and dim flags; game-server
// requests get the session members from NetManager::sendJson. The request type (the number after
// each name) selects the answer parser and never goes on the wire.
#pragma once

#include "net/NetTypes.h"

#include <json/value.h>

#include <string>

// Who hears the answer: target->onResponse(code) and target->onStatus(status); any may be null.
struct NetTarget {
    cocos2d::CCObject* target = nullptr;
    SEL_NetHandler onResponse = nullptr;
    SEL_NetHandler onStatus = nullptr;
};

// The request type numbers.
enum RequestType {
    ReqVersionCheck = 0, ReqLogin = 1, ReqReportLocation = 2, ReqUserInfo = 3, ReqRegister = 4,
    ReqChangeUserInfo = 5, ReqChangePassword = 6, ReqAchievementList = 7, ReqClaimAchievement = 8,
    ReqSignData = 9, ReqSignIn = 10, ReqLuckData = 11, ReqLuckSign = 12, ReqRankList = 13,
    ReqTreasureOpen = 14, ReqTreasureData = 15, ReqCollectionData = 16, ReqCollectionExchange = 17,
    ReqGoodsList = 18, ReqBuyRecords = 19, ReqGoodsDetail = 20, ReqExchangeGoods = 21, ReqNotice = 22,
    ReqEventList = 23, ReqJoinEvent = 24, ReqExplains = 25, ReqSdkPlat = 26, ReqAuthCode = 28,
    ReqSaveReceiveInfo = 29, ReqQuestionIdList = 30, ReqQuestion = 31, ReqSubmitAnswer = 32, ReqMedia = 34,
    ReqHeartbeat = 35, ReqAdTouch = 36, ReqMatchSchedule = 38, ReqCreateTeam = 40, ReqJoinTeam = 41,
    ReqTeamList = 42, ReqTeamInfo = 43, ReqDismissTeam = 44, ReqKickMember = 45, ReqSignUp = 46,
    ReqCancelSignUp = 47, ReqQuitTeam = 48, ReqPrizeTable = 49, ReqTeamRankList = 50, ReqTeamListFirst = 51,
    ReqContestRank = 52, ReqMatchPresence = 53, ReqChallenge = 54, ReqReferralList = 55,
    ReqReferralStats = 56, ReqSetReferrer = 57,
};

// The client's fixed device kind and platform numbers.
constexpr int kDeviceKind = 3;
constexpr int kPlatformNumber = 0;

class RequestCatalogue {
public:
    // Entry server.
    static void versionCheck(const std::string& version, const NetTarget& to);
    static void login(const std::string& mac, const std::string& userName, const std::string& passwordDigest);
    // A null referrerId leaves "tuijianid" and "tuijian" out (no referrer typed).
    static void registerAccount(const std::string& userName, const std::string& passwordDigest,
                                const std::string& mac, const Json::Value& referrerId, const NetTarget& to);

    // Session follow-up (UserSession).
    static void reportLocation(double lat, double lng, const std::string& city, cocos2d::CCObject* target,
                               SEL_NetHandler onResponse, SEL_NetHandler onStatus);
    static void userInfo(cocos2d::CCObject* target, SEL_NetHandler onResponse, SEL_NetHandler onStatus, Busy busy);
    static void prizeTable(cocos2d::CCObject* target, SEL_NetHandler onResponse, SEL_NetHandler onStatus,
                           Busy busy);
    static void questionIdList(cocos2d::CCObject* target, SEL_NetHandler onResponse, SEL_NetHandler onStatus,
                               Busy busy);
    static void sdkPlat();
    static void adTouch(int qsid, int gameType, cocos2d::CCObject* target, SEL_NetHandler onResponse,
                        SEL_NetHandler onStatus);

    // Account screens.
    static void changeUserInfo(const std::string& nickname, const std::string& email, const std::string& tel,
                               const std::string& home, const Json::Value& birthday, int sex, const NetTarget& to);
    static void changePassword(const std::string& oldDigest, const std::string& newDigest, const NetTarget& to);
    static void referralList(int page, const NetTarget& to);
    static void referralStats(const NetTarget& to);
    static void setReferrer(int referrerId, const NetTarget& to);

    // Rewards.
    static void achievementList(const NetTarget& to);
    static void claimAchievement(int achievementId, const NetTarget& to);
    static void signData(const NetTarget& to);
    static void signIn(const NetTarget& to);
    static void luckData(const NetTarget& to);
    static void luckSign(const NetTarget& to);
    static void rankList(const NetTarget& to);
    static void treasureOpen(const NetTarget& to);
    static void treasureData(const NetTarget& to);
    static void collectionData(const NetTarget& to);
    static void collectionExchange(const NetTarget& to);
    static void authCode(const NetTarget& to);
    // "name", "sex", "birthday", "job", "province", "city", "fulladdress", "qq", "authcode".
    static void saveReceiveInfo(const Json::Value& fields, const NetTarget& to);
    static void notice(int act, Dim dim, const NetTarget& to);
    static void eventList(const NetTarget& to);
    static void joinEvent(int eventId, const NetTarget& to);
    static void explains(const NetTarget& to);

    // Store. act is "show" or "showbreak".
    static void goodsList(const std::string& act, const NetTarget& to);
    static void buyRecords(const NetTarget& to);
    static void goodsDetail(int goodsId, const NetTarget& to);
    // extra: "name" and "address" for goods sent by post, "address" alone for a telephone exchange.
    static void exchangeGoods(int goodsId, int count, const std::string& extraInfo, const Json::Value& extra,
                              const NetTarget& to);

    // Questions.
    static void questionByList(int qsid, const NetTarget& to);
    static void questionFirstOfRun(int qsid, int date, const NetTarget& to);
    static void questionFromListPage(int qsid, int date, const NetTarget& to);
    static void contestQuestion(int qsid, int date, int matchType, int matchId, const NetTarget& to);
    static void contestQuestionIdList(int matchType, int matchId, const NetTarget& to);
    // count < 0 leaves "count" out (it only goes with picture play type 13).
    static void submitAnswer(int qsid, int questId, const std::string& answer, int date, int awardNum, int count,
                             const NetTarget& to);
    static void submitContestAnswer(int qsid, int questId, const std::string& answer, int date, int awardNum,
                                    int count, int matchType, int matchId, const NetTarget& to);
    static void submitContestSummary(int qsid, const std::string& answer, double spendTime, int matchType,
                                     const NetTarget& to);
    static void media(const std::string& name, Busy busy, const NetTarget& to);

    // Contests and teams.
    static void matchSchedule(const NetTarget& to);
    static void createTeam(const std::string& name, const std::string& info, const NetTarget& to);
    static void joinTeam(int teamId, const Json::Value& teamLeader, const NetTarget& to);
    static void teamList(int page, const NetTarget& to);
    static void teamListFirst(const NetTarget& to);
    static void teamInfo(int teamId, const NetTarget& to);
    static void dismissTeam(int teamId, const Json::Value& teamCreater, const NetTarget& to);
    static void kickMember(int userId, int teamId, const Json::Value& teamCreater, const NetTarget& to);
    static void signUp(int matchId, int teamId, const Json::Value& teamCreater, const NetTarget& to);
    static void cancelSignUp(int matchId, int teamId, const Json::Value& teamCreater, const NetTarget& to);
    static void quitTeam(int teamId, const NetTarget& to);
    static void teamRankList(int page, const NetTarget& to);
    static void contestRank(int matchType, const NetTarget& to);
    static void matchPresence(int act, int matchType, Busy busy, const NetTarget& to);
    static void challenge(int act, const Json::Value& challenger, const std::string& name, int matchType,
                          const NetTarget& to);

    // Sent by the heartbeat and team parsers during a team-match announcement, without handlers.
    static void teamListForAnnouncement();
    static void ownTeamForAnnouncement(int teamId);
    // The team screen asks for its round's questions just before the start, without the busy cover.
    static void teamQuestionIdList(int matchId, const NetTarget& to);

    // The body every game request starts from.
    static Json::Value body(int system);
    static Json::Value body(int system, const Json::Value& act);

private:
    static void game(int type, const Json::Value& body, const NetTarget& to, Busy busy, Dim dim);
    static void entry(int type, const Json::Value& body, const NetTarget& to, Busy busy, Dim dim);
};

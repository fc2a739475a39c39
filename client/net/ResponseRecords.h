// The records the answer parsers fill; screens read them from GameData after their handler runs.
// Field order follows the member lists the server sends.
#pragma once

#include <string>
#include <vector>

struct UserInfo {
    int weekScore = 0, score = 0, levelUpScore = 0, level = 0, money = 0, sex = 0, answerCount = 0;
    int lastRank = 0, rankPrizeMoney = 0, rankPop = 0, uuid = 0, referrerId = 0;
    std::string title, tel, email, nickname;
    bool infoFilled = false;
};

struct AchievementItem {
    int id = 0, done = 0, doCount = 0, prize = 0; // "do" is a C++ keyword
    std::string name, desc, img;
};

struct SignInfo {
    int isSigned = 0, year = 0, month = 0, week = 0, continuous = 0, nextDays = 0, nextScore = 0, addMoney = 0;
    std::string days;
};

struct SignAward {
    int isSigned = 0, awardType = 0;
    double awardScore = 0.0;
    std::string name, award;
};

struct RankItem {
    int rank = 0, score = 0;
    std::string name, tel;
};

struct RankPage {
    int myRank = 0, myScore = 0, curWeekScore = 0;
    std::vector<RankItem> items;
};

struct TreasureResult {
    int index = 0, value = 0;
};

struct GoodsInfo {
    int goodsId = 0, goodsTypeId = 0, scorePrice = 0, moneyPrice = 0;
    std::string goodsImg, goodsName, shopAddress, shopTel;
};

// A store category with the goods listed inside it (the screens page through these).
struct GoodsType {
    int type = 0;
    std::string name;
    std::vector<GoodsInfo> goods;
};

struct BuyRecord {
    int goodsId = 0, goodsNum = 0, date = 0, hourMin = 0, showType = 0, price = 0, orderId = 0;
    std::string goodsName, goodsImg, addr, tel, code, name, supplyAddr, supplyTel;
};

struct GoodsDetail {
    int goodsId = 0, number = 0, inputAddr = 0;
    std::string describe, supplyTel, supplyAddr;
};

struct Notice {
    int hourMin = 0;
    std::string message;
};

struct EventItem {
    int id = 0, date = 0, endDate = 0, click = 0, needMoney = 0;
    std::string title, desc, url;
};

struct Explain {
    int uiId = 0;
    std::string explain;
};

struct SdkPlat {
    int index = 0, sdkPlatType = 0;
};

struct WallEntry {
    int qsid = 0, qstype = 0;
};

struct MatchSchedule {
    int matchId = 0, matchType = 0, delMoney = 0, pkFreeCount = 0, pkMaxCount = 0, level = 0, status = 0;
    std::string startTime, endTime, serverTime;
};

// The other player of the contest that is about to start or running (push 28 "act" 3).
struct ContestOpponent {
    std::string name;
    int level = 0;
    int qscount = 0; // questions in this contest
};

struct TeamInfo {
    int teamId = 0, score = 0, number = 0, level = 0, teamMatchStatus = 0;
    std::string teamName, creater;
};

struct OwnTeamSummary {
    int count = 0, myTeamId = 0, myScore = 0, minTeamer = 0, maxTeamer = 0, myLevel = 0, myTeamMatchStatus = 0;
    std::string myTeamName, myCreater;
};

struct TeamMember {
    int userId = 0, pkCount = 0, winCount = 0, answerCount = 0, rightCount = 0, score = 0;
    std::string name;
};

struct PrizeItem {
    int prizeType = 0, prizeNum = 0, rightCount = 0, wrongCount = 0, score = 0, teamScore = 0, times = 0, type = 0;
    double useTime = -1; // "usetime", seconds to a tenth, when the server sends it
};

struct TeamRankItem {
    int score = 0, teamId = 0;
    std::string teamName;
};

struct TeamRankPage {
    int count = 0, myRank = 0, myScore = 0, myTeamId = 0;
    std::vector<TeamRankItem> items;
};

struct ContestRankItem {
    int rank = 0, wixCount = 0, wixTotal = 0, userScore = 0;
    std::string name;
    double useTime = 0; // exam ranking: seconds spent answering
};

struct ContestRankPage {
    int rank = 0, wixCount = 0, wixTotal = 0, userScore = 0;
    std::vector<ContestRankItem> items;
    double useTime = 0;
};

struct ReferralItem {
    int score = 0, money = 0, todayAnswerCount = 0, todayScore = 0, todayMoney = 0, rightCount = 0, wrongCount = 0;
    int recommendUuid = 0, onlineTime = 0, monthLoginDays = 0, loginDays = 0, lastHuoyue = 0;
    std::string tel, regDate;
};

struct ReferralStats {
    int todayScore = 0, todayMoney = 0, allRight = 0, allWrong = 0, rank = 0, referralCount = 0, activeCount = 0;
    int referralPrize = 0, regTime = 0;
};

struct ServerEndpoint {
    std::string host;
    unsigned short port = 0;
};

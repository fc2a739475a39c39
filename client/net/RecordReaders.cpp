#include "net/RecordReaders.h"

namespace {

int i(const Json::Value& v, const char* key) { return JsonRead::intOf(v, key); }
std::string t(const Json::Value& v, const char* key) { return JsonRead::textOf(v, key); }

} // namespace

UserInfo RecordReaders::user(const Json::Value& v) {
    UserInfo r;
    r.weekScore = i(v, "weekscore");
    r.score = i(v, "score");
    r.levelUpScore = i(v, "levelupscore");
    r.level = i(v, "level");
    r.money = i(v, "money");
    r.sex = i(v, "sex");
    r.answerCount = i(v, "answercount");
    r.lastRank = i(v, "lastrank");
    r.rankPrizeMoney = i(v, "rankprizemoney");
    r.rankPop = i(v, "brankpop");
    r.uuid = i(v, "uuid");
    r.referrerId = i(v, "tuijianrenid");
    r.title = t(v, "title");
    r.tel = t(v, "tel");
    r.email = t(v, "email");
    r.nickname = t(v, "nickname");
    r.infoFilled = i(v, "binfo") != 0;
    return r;
}

AchievementItem RecordReaders::achievement(const Json::Value& v) {
    return {i(v, "id"), i(v, "done"), i(v, "do"), i(v, "prize"), t(v, "name"), t(v, "desc"), t(v, "img")};
}

SignInfo RecordReaders::signInfo(const Json::Value& v) {
    return {i(v, "issign"),     i(v, "year"),      i(v, "month"),    i(v, "week"), i(v, "continuous"),
            i(v, "nextdays"),   i(v, "nextscore"), i(v, "addmoney"), t(v, "days")};
}

SignAward RecordReaders::signAward(const Json::Value& v) {
    return {i(v, "issign"), i(v, "awardtype"), JsonRead::realOf(v, "awardscore"), t(v, "name"), t(v, "award")};
}

RankPage RecordReaders::rankPage(const Json::Value& v) {
    RankPage page{i(v, "myrank"), i(v, "myscore"), i(v, "curweekscore"), {}};
    page.items = list<RankItem>(v, "ranklist", [](const Json::Value& item) {
        return RankItem{i(item, "rank"), i(item, "score"), t(item, "name"), t(item, "tel")};
    });
    return page;
}

GoodsType RecordReaders::goodsType(const Json::Value& v) {
    return {i(v, "type"), t(v, "name"), list(v, "goodsinfo", &RecordReaders::goodsInfo)};
}

GoodsInfo RecordReaders::goodsInfo(const Json::Value& v) {
    return {i(v, "goodsid"),  i(v, "goodstypeid"), i(v, "scoreprice"),  i(v, "moneyprice"),
            t(v, "goodsimg"), t(v, "goodsname"),   t(v, "shopaddress"), t(v, "shoptel")};
}

BuyRecord RecordReaders::buyRecord(const Json::Value& v) {
    return {i(v, "goodsid"),  i(v, "goodsnum"), i(v, "date"),       i(v, "hourmin"),   i(v, "showtype"),
            i(v, "price"),    i(v, "orderid"),  t(v, "goodsname"),  t(v, "goodsimg"),  t(v, "addr"),
            t(v, "tel"),      t(v, "code"),     t(v, "name"),       t(v, "supplyaddr"), t(v, "supplytel")};
}

GoodsDetail RecordReaders::goodsDetail(const Json::Value& v) {
    return {i(v, "goodsid"),       i(v, "number"),     i(v, "inputaddr"),
            t(v, "goodsdescribe"), t(v, "supplytel"), t(v, "supplyaddr")};
}

Notice RecordReaders::notice(const Json::Value& v) { return {i(v, "hourmin"), t(v, "message")}; }

EventItem RecordReaders::event(const Json::Value& v) {
    return {i(v, "id"),    i(v, "date"), i(v, "enddate"), i(v, "click"), i(v, "needmoney"),
            t(v, "title"), t(v, "desc"), t(v, "url")};
}

Explain RecordReaders::explain(const Json::Value& v) { return {i(v, "uiid"), t(v, "explain")}; }

SdkPlat RecordReaders::sdkPlat(const Json::Value& v) { return {i(v, "index"), i(v, "sdkplattype")}; }

MatchSchedule RecordReaders::matchSchedule(const Json::Value& v) {
    return {i(v, "matchid"),   i(v, "matchtype"), i(v, "delmoney"), i(v, "pkfreecount"), i(v, "pkmaxcount"),
            i(v, "level"),     i(v, "status"),    t(v, "starttime"), t(v, "endtime"),    t(v, "servertime")};
}

TeamInfo RecordReaders::teamInfo(const Json::Value& v) {
    return {i(v, "teamid"), i(v, "score"), i(v, "number"), i(v, "level"), i(v, "teammatchstatus"),
            t(v, "teamname"), t(v, "creater")};
}

OwnTeamSummary RecordReaders::ownTeam(const Json::Value& v) {
    return {i(v, "count"),     i(v, "myteamid"), i(v, "myscore"),           i(v, "minteamer"),
            i(v, "maxteamer"), i(v, "mylevel"),  i(v, "myteammatchstatus"), t(v, "myteamname"),
            t(v, "mycreater")};
}

TeamMember RecordReaders::teamMember(const Json::Value& v) {
    return {i(v, "userid"),     i(v, "pkcount"), i(v, "wincount"), i(v, "answercount"),
            i(v, "rightcount"), i(v, "score"),   t(v, "name")};
}

PrizeItem RecordReaders::prize(const Json::Value& v) {
    PrizeItem item{i(v, "prizetype"), i(v, "prizenum"),  i(v, "rightcount"), i(v, "wrongcount"),
                   i(v, "score"),     i(v, "teamscore"), i(v, "times"),      i(v, "type")};
    if (JsonRead::has(v, "usetime")) item.useTime = JsonRead::realOf(v, "usetime");
    return item;
}

TeamRankPage RecordReaders::teamRankPage(const Json::Value& v) {
    TeamRankPage page{i(v, "count"), i(v, "myrank"), i(v, "myscore"), i(v, "myteamid"), {}};
    page.items = list<TeamRankItem>(v, "teaminfo", [](const Json::Value& item) {
        return TeamRankItem{i(item, "score"), i(item, "teamid"), t(item, "teamname")};
    });
    return page;
}

ContestRankPage RecordReaders::contestRankPage(const Json::Value& v) {
    ContestRankPage page{i(v, "rank"), i(v, "wixcount"), i(v, "wixtotal"), i(v, "userscore"), {},
                         JsonRead::realOf(v, "usetime")};
    page.items = list<ContestRankItem>(v, "ranklist", [](const Json::Value& item) {
        return ContestRankItem{i(item, "rank"), i(item, "wixcount"), i(item, "wixtotal"), i(item, "userscore"),
                               t(item, "name"), JsonRead::realOf(item, "usetime")};
    });
    return page;
}

ReferralItem RecordReaders::referral(const Json::Value& v) {
    return {i(v, "score"),         i(v, "money"),       i(v, "todayanswercount"), i(v, "todayscore"),
            i(v, "todaymoney"),    i(v, "rightcount"),  i(v, "wrongcount"),       i(v, "recommenduuid"),
            i(v, "onlinetime"),    i(v, "monthlogindays"), i(v, "logindays"),     i(v, "lasthuoyue"),
            t(v, "tel"),           t(v, "regdate")};
}

ReferralStats RecordReaders::referralStats(const Json::Value& v) {
    return {i(v, "todayscore"),  i(v, "todaymoney"),  i(v, "allright"),     i(v, "allwrong"), i(v, "rank"),
            i(v, "tuijiancount"), i(v, "huoyuecount"), i(v, "tuijianprize"), i(v, "regtime")};
}

// Reading one response record from its JSON object (or an item of a list member).
#pragma once

#include "net/ResponseRecords.h"

#include <json/value.h>

#include <vector>

class RecordReaders {
public:
    static UserInfo user(const Json::Value& v);
    static AchievementItem achievement(const Json::Value& v);
    static SignInfo signInfo(const Json::Value& v);
    static SignAward signAward(const Json::Value& v);
    static RankPage rankPage(const Json::Value& v);
    static GoodsType goodsType(const Json::Value& v);
    static GoodsInfo goodsInfo(const Json::Value& v);
    static BuyRecord buyRecord(const Json::Value& v);
    static GoodsDetail goodsDetail(const Json::Value& v);
    static Notice notice(const Json::Value& v);
    static EventItem event(const Json::Value& v);
    static Explain explain(const Json::Value& v);
    static SdkPlat sdkPlat(const Json::Value& v);
    static MatchSchedule matchSchedule(const Json::Value& v);
    static TeamInfo teamInfo(const Json::Value& v);
    static OwnTeamSummary ownTeam(const Json::Value& v);
    static TeamMember teamMember(const Json::Value& v);
    static PrizeItem prize(const Json::Value& v);
    static TeamRankPage teamRankPage(const Json::Value& v);
    static ContestRankPage contestRankPage(const Json::Value& v);
    static ReferralItem referral(const Json::Value& v);
    static ReferralStats referralStats(const Json::Value& v);

    // Every item of the array member key, in array order; nothing for a missing or non-array member.
    template <typename Record>
    static std::vector<Record> list(const Json::Value& v, const char* key, Record (*read)(const Json::Value&));
};

#include "net/JsonRead.h"

template <typename Record>
std::vector<Record> RecordReaders::list(const Json::Value& v, const char* key, Record (*read)(const Json::Value&)) {
    std::vector<Record> out;
    for (const Json::Value& item : JsonRead::arrayOf(v, key)) {
        out.push_back(read(item));
    }
    return out;
}

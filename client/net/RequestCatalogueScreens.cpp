// The requests of the screens, by feature.
#include "net/RequestCatalogue.h"

namespace {
constexpr Busy kBusy = Busy::Yes;
constexpr Dim kDim = Dim::Yes;
} // namespace

void RequestCatalogue::changeUserInfo(const std::string& nickname, const std::string& email, const std::string& tel,
                                      const std::string& home, const Json::Value& birthday, int sex,
                                      const NetTarget& to) {
    Json::Value v = body(1, "change");
    v["nickname"] = nickname;
    v["email"] = email;
    v["tel"] = tel;
    v["home"] = home;
    v["birthday"] = birthday;
    v["sex"] = sex;
    game(ReqChangeUserInfo, v, to, kBusy, kDim);
}

void RequestCatalogue::changePassword(const std::string& oldDigest, const std::string& newDigest,
                                      const NetTarget& to) {
    Json::Value v = body(1, "changepwd");
    v["oldpwd"] = oldDigest;
    v["newpwd"] = newDigest;
    game(ReqChangePassword, v, to, kBusy, kDim);
}

void RequestCatalogue::referralList(int page, const NetTarget& to) {
    Json::Value v = body(50);
    v["page"] = page;
    game(ReqReferralList, v, to, kBusy, kDim);
}

void RequestCatalogue::referralStats(const NetTarget& to) { game(ReqReferralStats, body(51), to, kBusy, kDim); }

void RequestCatalogue::setReferrer(int referrerId, const NetTarget& to) {
    Json::Value v = body(52);
    v["tuijianrenid"] = referrerId;
    game(ReqSetReferrer, v, to, kBusy, kDim);
}

void RequestCatalogue::achievementList(const NetTarget& to) {
    game(ReqAchievementList, body(14, "show"), to, kBusy, kDim);
}

void RequestCatalogue::claimAchievement(int achievementId, const NetTarget& to) {
    Json::Value v = body(14, "askprize");
    v["achvId"] = achievementId;
    game(ReqClaimAchievement, v, to, kBusy, kDim);
}

namespace {
Json::Value signBody(const char* act, const char* req) {
    Json::Value v = RequestCatalogue::body(11, act);
    v["req"] = req;
    return v;
}
} // namespace

void RequestCatalogue::signData(const NetTarget& to) { game(ReqSignData, signBody("everyday", "data"), to, kBusy, kDim); }
void RequestCatalogue::signIn(const NetTarget& to) { game(ReqSignIn, signBody("everyday", "sign"), to, kBusy, kDim); }
void RequestCatalogue::luckData(const NetTarget& to) { game(ReqLuckData, signBody("luck", "data"), to, kBusy, kDim); }
void RequestCatalogue::luckSign(const NetTarget& to) { game(ReqLuckSign, signBody("luck", "sign"), to, kBusy, kDim); }
void RequestCatalogue::rankList(const NetTarget& to) { game(ReqRankList, body(13), to, kBusy, kDim); }
void RequestCatalogue::treasureOpen(const NetTarget& to) { game(ReqTreasureOpen, body(17, 2), to, kBusy, kDim); }
void RequestCatalogue::treasureData(const NetTarget& to) { game(ReqTreasureData, body(17, 1), to, kBusy, kDim); }
void RequestCatalogue::collectionData(const NetTarget& to) { game(ReqCollectionData, body(17, 3), to, kBusy, kDim); }
void RequestCatalogue::collectionExchange(const NetTarget& to) {
    game(ReqCollectionExchange, body(17, 4), to, kBusy, kDim);
}

void RequestCatalogue::authCode(const NetTarget& to) {
    Json::Value v = body(24);
    v["type"] = "authcode";
    game(ReqAuthCode, v, to, kBusy, kDim);
}

void RequestCatalogue::saveReceiveInfo(const Json::Value& fields, const NetTarget& to) {
    Json::Value v = body(24);
    v["type"] = "update";
    static const char* const kFields[] = {"name", "sex", "birthday", "job", "province",
                                          "city", "fulladdress", "qq", "authcode"};
    for (const char* field : kFields) {
        v[field] = fields.isObject() && fields.isMember(field) ? fields[field] : Json::Value("");
    }
    game(ReqSaveReceiveInfo, v, to, kBusy, kDim);
}

void RequestCatalogue::notice(int act, Dim dim, const NetTarget& to) { game(ReqNotice, body(12, act), to, kBusy, dim); }
void RequestCatalogue::eventList(const NetTarget& to) { game(ReqEventList, body(15, 0), to, kBusy, kDim); }

void RequestCatalogue::joinEvent(int eventId, const NetTarget& to) {
    Json::Value v = body(15, 1);
    v["hdid"] = eventId;
    game(ReqJoinEvent, v, to, kBusy, kDim);
}

void RequestCatalogue::explains(const NetTarget& to) { game(ReqExplains, body(21), to, kBusy, Dim::No); }

void RequestCatalogue::goodsList(const std::string& act, const NetTarget& to) {
    game(ReqGoodsList, body(7, act), to, kBusy, kDim);
}

void RequestCatalogue::buyRecords(const NetTarget& to) { game(ReqBuyRecords, body(7, "record"), to, kBusy, kDim); }

void RequestCatalogue::goodsDetail(int goodsId, const NetTarget& to) {
    Json::Value v = body(7, "detail");
    v["goodsid"] = goodsId;
    game(ReqGoodsDetail, v, to, kBusy, kDim);
}

void RequestCatalogue::exchangeGoods(int goodsId, int count, const std::string& extraInfo, const Json::Value& extra,
                                     const NetTarget& to) {
    Json::Value v = body(7, "convert");
    v["goodsid"] = goodsId;
    v["count"] = count;
    v["extrainfo"] = extraInfo;
    for (const char* field : {"name", "address"}) {
        if (extra.isObject() && extra.isMember(field)) {
            v[field] = extra[field];
        }
    }
    game(ReqExchangeGoods, v, to, kBusy, kDim);
}

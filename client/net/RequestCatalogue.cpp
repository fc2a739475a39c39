#include "net/RequestCatalogue.h"

#include "net/JsonRead.h"
#include "net/NetManager.h"
#include "net/UserSession.h"

USING_NS_CC;

Json::Value RequestCatalogue::body(int system) {
    Json::Value value(Json::objectValue);
    value["system"] = system;
    return value;
}

Json::Value RequestCatalogue::body(int system, const Json::Value& act) {
    Json::Value value = body(system);
    value["act"] = act;
    return value;
}

void RequestCatalogue::game(int type, const Json::Value& value, const NetTarget& to, Busy busy, Dim dim) {
    NetManager::instance().sendJson(kGameServer, type, value, to.target, to.onResponse, to.onStatus, busy, dim);
}

void RequestCatalogue::entry(int type, const Json::Value& value, const NetTarget& to, Busy busy, Dim dim) {
    const std::string text = JsonRead::compact(value);
    NetManager::instance().send(kEntryServer, type, text.data(), static_cast<int>(text.size()), to.target,
                                to.onResponse, to.onStatus, busy, dim);
}

void RequestCatalogue::versionCheck(const std::string& version, const NetTarget& to) {
    Json::Value v = body(0);
    v["deviceid"] = kDeviceKind;
    v["platid"] = kPlatformNumber;
    v["version"] = version;
    entry(ReqVersionCheck, v, to, Busy::Yes, Dim::No);
}

void RequestCatalogue::login(const std::string& mac, const std::string& userName, const std::string& digest) {
    Json::Value v = body(2);
    v["mac"] = mac;
    v["deviceid"] = kDeviceKind;
    v["platid"] = kPlatformNumber;
    v["flag"] = 0;
    v["username"] = userName;
    v["pwd"] = digest;
    UserSession& session = UserSession::instance();
    entry(ReqLogin, v,
          {&session, net_selector(UserSession::onLoginAnswer), net_selector(UserSession::onLoginNetFail)},
          Busy::Yes, Dim::No);
}

void RequestCatalogue::registerAccount(const std::string& userName, const std::string& digest,
                                       const std::string& mac, const Json::Value& referrerId, const NetTarget& to) {
    Json::Value v = body(1);
    v["username"] = userName;
    v["pwd"] = digest;
    v["mac"] = mac;
    v["deviceid"] = kDeviceKind;
    v["platid"] = kPlatformNumber;
    if (!referrerId.isNull()) {
        v["tuijianid"] = referrerId;
        v["tuijian"] = 1;
    }
    entry(ReqRegister, v, to, Busy::Yes, Dim::Yes);
}

void RequestCatalogue::reportLocation(double lat, double lng, const std::string& city, CCObject* target,
                                      SEL_NetHandler onResponse, SEL_NetHandler onStatus) {
    Json::Value v = body(16);
    v["lat"] = lat;
    v["lng"] = lng;
    v["city"] = city;
    game(ReqReportLocation, v, {target, onResponse, onStatus}, Busy::No, Dim::Yes);
}

void RequestCatalogue::userInfo(CCObject* target, SEL_NetHandler onResponse, SEL_NetHandler onStatus, Busy busy) {
    game(ReqUserInfo, body(1), {target, onResponse, onStatus}, busy, Dim::Yes);
}

void RequestCatalogue::prizeTable(CCObject* target, SEL_NetHandler onResponse, SEL_NetHandler onStatus,
                                  Busy busy) {
    game(ReqPrizeTable, body(49), {target, onResponse, onStatus}, busy, Dim::Yes);
}

void RequestCatalogue::questionIdList(CCObject* target, SEL_NetHandler onResponse, SEL_NetHandler onStatus,
                                      Busy busy) {
    Json::Value v = body(4);
    v["date"] = 0; // the date value the client holds starts at 0 and is never set
    game(ReqQuestionIdList, v, {target, onResponse, onStatus}, busy, Dim::Yes);
}

void RequestCatalogue::sdkPlat() { game(ReqSdkPlat, body(23), {}, Busy::No, Dim::Yes); }

void RequestCatalogue::adTouch(int qsid, int gameType, CCObject* target, SEL_NetHandler onResponse,
                               SEL_NetHandler onStatus) {
    Json::Value v = body(25, 1);
    v["qsid"] = qsid;
    v["gametype"] = gameType;
    game(ReqAdTouch, v, {target, onResponse, onStatus}, Busy::No, Dim::Yes);
}

#include "net/AccountParsers.h"

#include "app/ClientLog.h"
#include "net/GameData.h"
#include "net/JsonRead.h"
#include "net/NetManager.h"
#include "net/ParserSupport.h"
#include "net/RecordReaders.h"
#include "net/UserSession.h"

using namespace parsers;

void AccountParsers::version(const Json::Value& v, int* code) {
    const int response = responseOf(v);
    if (response != 0 && response != 1) {
        return;
    }
    GameData& data = GameData::instance();
    data.upgradeUrl = JsonRead::textOf(v, "upurl");
    data.upgradeInfo = JsonRead::textOf(v, "updateinfo");
    if (response == 1) {
        setCode(code, 0);
    } else {
        // A missing "update" reads as 0: the update is optional.
        setCode(code, JsonRead::intOf(v, "update") == 1 ? 1 : 2);
    }
}

void AccountParsers::login(const Json::Value& v, int* code) {
    GameData& data = GameData::instance();
    const int response = responseOf(v);
    if (response == 1 || response == 2) {
        const int port = JsonRead::intOf(v, "port");
        const std::string ip = JsonRead::textOf(v, "ip");
        (void)JsonRead::textOf(v, "pkip");
        (void)JsonRead::intOf(v, "pkport");
        unsigned short gamePort = 0;
        if (port > 0 && port <= 65535) {
            gamePort = static_cast<unsigned short>(port);
        } else {
            ClientLog::write("login answer names the game port %d; no game server reachable", port);
        }
        UserSession::instance().setLoginValues(JsonRead::intOf(v, "id"), JsonRead::textOf(v, "sessionid"));
        NetManager::instance().setGameEndpoint(ip, gamePort);
        data.gameServerCopy = {ip, gamePort};
        data.tip.clear();
        setCode(code, 0);
        return;
    }
    const int fail = JsonRead::intOf(v, "fail");
    data.tip = JsonRead::textOf(v, "tip");
    setCode(code, (fail >= 1 && fail <= 3) ? fail : 4);
}

void AccountParsers::reportLocation(const Json::Value&, int* code) { setCode(code, 0); }

void AccountParsers::userInfo(const Json::Value& v, int* code) {
    if (convention(v, code)) {
        GameData::instance().user = RecordReaders::user(v);
    }
}

void AccountParsers::registration(const Json::Value& v, int* code) {
    const int response = responseOf(v);
    GameData& data = GameData::instance();
    if (response == 1) {
        data.tip.clear();
        setCode(code, 0);
    } else if (response == 0) {
        data.tip = JsonRead::textOf(v, "tip");
        const int fail = JsonRead::intOf(v, "fail");
        if (fail >= 1 && fail <= 3) {
            setCode(code, fail);
        }
    }
}

void AccountParsers::changePassword(const Json::Value& v, int* code) { convention(v, code); }

void AccountParsers::saveReceiveInfo(const Json::Value& v, int* code) {
    if (oneOrElse(v, code)) {
        GameData::instance().user.infoFilled = true;
    }
}

void AccountParsers::referralList(const Json::Value& v, int* code) {
    const int response = responseOf(v);
    if (response == kOtherResponse) {
        return;
    }
    setCode(code, response);
    if (response == 1) {
        GameData::instance().referrals = RecordReaders::list(v, "tuijian", &RecordReaders::referral);
    }
}

void AccountParsers::referralStats(const Json::Value& v, int* code) {
    if (oneOrElse(v, code)) {
        GameData::instance().referralStats = RecordReaders::referralStats(v);
    }
}

void AccountParsers::setReferrer(const Json::Value& v, int* code) {
    oneOrElse(v, code);
    GameData::instance().user.referrerId = JsonRead::intOf(v, "tuijianrenid");
}

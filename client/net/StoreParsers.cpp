#include "net/StoreParsers.h"

#include "net/GameData.h"
#include "net/JsonRead.h"
#include "net/ParserSupport.h"
#include "net/RecordReaders.h"

using namespace parsers;

void StoreParsers::goodsList(const Json::Value& v, int* code) {
    if (!oneOrElse(v, code)) {
        return;
    }
    GameData& data = GameData::instance();
    data.goodsTypes = RecordReaders::list(v, "goodstype", &RecordReaders::goodsType);
    data.goods = RecordReaders::list(v, "goodsinfo", &RecordReaders::goodsInfo);
    data.goodsBreak = JsonRead::intOf(v, "bbreak");
}

void StoreParsers::buyRecords(const Json::Value& v, int* code) {
    if (oneOrElse(v, code)) {
        GameData::instance().buyRecords = RecordReaders::list(v, "buyrecord", &RecordReaders::buyRecord);
    }
}

void StoreParsers::goodsDetail(const Json::Value& v, int* code) {
    if (oneOrElse(v, code)) {
        GameData::instance().goodsDetail = RecordReaders::goodsDetail(v);
    }
}

void StoreParsers::exchange(const Json::Value& v, int* code) {
    const int response = responseOf(v);
    GameData& data = GameData::instance();
    if (response == 1) {
        data.exchangeTip = JsonRead::textOf(v, "tip");
        data.user.levelUpScore = JsonRead::intOf(v, "levelupscore");
        data.user.money = JsonRead::intOf(v, "money");
        data.user.score = JsonRead::intOf(v, "score");
        setCode(code, 0);
    } else if (response == 0) {
        data.exchangeTip = JsonRead::textOf(v, "tip");
        setCode(code, JsonRead::intOf(v, "fail"));
    } else {
        setCode(code, 8);
    }
}

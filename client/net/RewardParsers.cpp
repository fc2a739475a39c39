#include "net/RewardParsers.h"

#include "net/GameData.h"
#include "net/JsonRead.h"
#include "net/ParserSupport.h"
#include "net/RecordReaders.h"

using namespace parsers;

namespace {

// Several rewards answer with the player's new score and level.
void copyScoreAndLevel(const Json::Value& v) {
    UserInfo& user = GameData::instance().user;
    user.score = JsonRead::intOf(v, "score");
    user.levelUpScore = JsonRead::intOf(v, "levelupscore");
    user.level = JsonRead::intOf(v, "level");
}

void storeAchievements(const Json::Value& v) {
    GameData& data = GameData::instance();
    data.achievementsInProgress.clear();
    data.achievementsFinished.clear();
    for (AchievementItem& item : RecordReaders::list(v, "achvlist", &RecordReaders::achievement)) {
        auto& list = item.doCount < item.done ? data.achievementsInProgress : data.achievementsFinished;
        list.push_back(std::move(item));
    }
}

} // namespace

void RewardParsers::achievements(const Json::Value& v, int* code) {
    if (convention(v, code)) {
        storeAchievements(v);
    }
}

void RewardParsers::claimAchievement(const Json::Value& v, int* code) {
    if (convention(v, code)) {
        GameData& data = GameData::instance();
        storeAchievements(v);
        data.lastAddScore = JsonRead::intOf(v, "addscore");
        copyScoreAndLevel(v);
    }
}

void RewardParsers::signData(const Json::Value& v, int* code) {
    if (convention(v, code)) {
        GameData::instance().signInfo = RecordReaders::signInfo(v);
    }
}

void RewardParsers::signIn(const Json::Value& v, int* code) {
    if (convention(v, code)) {
        GameData& data = GameData::instance();
        data.signInfo = RecordReaders::signInfo(v);
        data.lastAddScore = JsonRead::intOf(v, "addscore");
        copyScoreAndLevel(v);
        data.user.money += data.signInfo.addMoney;
    }
}

void RewardParsers::luckData(const Json::Value& v, int* code) {
    if (convention(v, code)) {
        GameData::instance().signAward = RecordReaders::signAward(v);
    }
}

void RewardParsers::luckSign(const Json::Value& v, int* code) {
    if (convention(v, code)) {
        GameData::instance().signAward = RecordReaders::signAward(v);
        copyScoreAndLevel(v);
    }
}

void RewardParsers::rankList(const Json::Value& v, int* code) {
    if (convention(v, code)) {
        GameData::instance().rankPage = RecordReaders::rankPage(v);
    }
}

void RewardParsers::treasureOpen(const Json::Value& v, int* code) {
    if (convention(v, code)) {
        GameData& data = GameData::instance();
        data.treasure = {JsonRead::intOf(v, "index"), JsonRead::intOf(v, "value")};
        data.user.score = JsonRead::intOf(v, "score");
        data.user.money = JsonRead::intOf(v, "money");
    }
}

void RewardParsers::treasureData(const Json::Value& v, int* code) {
    if (convention(v, code)) {
        GameData::instance().treasure = {JsonRead::intOf(v, "index"), JsonRead::intOf(v, "value")};
    }
}

void RewardParsers::collection(const Json::Value& v, int* code) {
    if (convention(v, code)) {
        std::vector<int> cards;
        for (const Json::Value& item : JsonRead::arrayOf(v, "caidanlist")) {
            cards.push_back(JsonRead::toInt(item, "caidanlist"));
        }
        GameData::instance().collection = std::move(cards);
    }
}

void RewardParsers::plainOutcome(const Json::Value& v, int* code) { oneOrElse(v, code); }

void RewardParsers::notices(const Json::Value& v, int* code) {
    if (!oneOrElse(v, code)) {
        return;
    }
    GameData& data = GameData::instance();
    data.noticeAct = JsonRead::intOf(v, "act");
    auto list = RecordReaders::list(v, "notice", &RecordReaders::notice);
    if (data.noticeAct == 0) {
        data.notices = std::move(list);
    } else {
        data.rollNotices = std::move(list);
    }
}

void RewardParsers::events(const Json::Value& v, int* code) {
    if (convention(v, code)) {
        GameData::instance().events = RecordReaders::list(v, "huodong", &RecordReaders::event);
    }
}

void RewardParsers::joinEvent(const Json::Value& v, int* code) {
    const int response = responseOf(v);
    GameData& data = GameData::instance();
    if (response == 1) {
        data.user.money = JsonRead::intOf(v, "money");
        setCode(code, 0);
    } else if (response == 0) {
        data.eventFailReason = JsonRead::intOf(v, "fail");
        setCode(code, 1);
    }
}

void RewardParsers::explains(const Json::Value& v, int*) {
    if (responseOf(v) == 1) {
        GameData::instance().explains = RecordReaders::list(v, "explains", &RecordReaders::explain);
    }
}

void RewardParsers::bonus(const Json::Value& v, int*) {
    if (responseOf(v) == 1) {
        const int money = JsonRead::intOf(v, "addmoney");
        if (money > 0) {
            GameData::instance().bonusMoney = money;
        }
    }
}

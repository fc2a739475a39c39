#include "contest/TeamTestSupport.h"

#include "app/LocalText.h"
#include "app/SceneDirector.h"
#include "contest/CHD_TeamInfoLayer.h"
#include "contest/CHD_TeamLayer.h"
#include "net/GameData.h"
#include "net/JsonRead.h"
#include "net/MsgResponse.h"
#include "net/NetManager.h"

#include <json/writer.h>

#include "testing/EngineTesting.h"

USING_NS_CC;

namespace test_support {

void TeamTest::SetUp() {
    HallTest::SetUp();
    SceneDirector::instance().registerScene(25, &CHD_TeamLayer::scene);
    m_game = std::make_unique<LoopbackServer>(true, [this](const Json::Value& request) {
        std::lock_guard<std::mutex> hold(m_lock);
        const int system = request["system"].asInt();
        Json::Value answer;
        if (system == 26) {
            answer["response"] = 1;
            answer["matchact"] = m_answers.schedule;
        } else if (auto it = m_replies.find(system); it != m_replies.end()) {
            answer = it->second;
        } else {
            answer["response"] = 1;
        }
        answer["system"] = system;
        return Reply::json(answer);
    });
    NetManager::instance().setGameEndpoint("127.0.0.1", m_game->port());
    GameData::instance().myTeam.maxTeamer = 5;
    GameData::instance().myTeam.minTeamer = 2;
}

void TeamTest::reply(int system, const Json::Value& answer) {
    std::lock_guard<std::mutex> hold(m_lock);
    m_replies[system] = answer;
}

void TeamTest::replyText(int system, const std::string& json) {
    Json::Value answer;
    ASSERT_TRUE(JsonRead::parse(json, answer)) << json;
    reply(system, answer);
}

Json::Value TeamTest::teamJson(int id, const std::string& name, int number, int level, const std::string& creater,
                               int status, int score) {
    Json::Value team;
    team["teamid"] = id;
    team["teamname"] = name;
    team["score"] = score;
    team["number"] = number;
    team["level"] = level;
    team["creater"] = creater;
    team["teammatchstatus"] = status;
    return team;
}

Json::Value TeamTest::listJson(const std::vector<Json::Value>& teams, int count, int myTeamId,
                               const std::string& myCreater) {
    Json::Value answer;
    answer["response"] = 1;
    answer["act"] = 0;
    answer["count"] = count;
    answer["minteamer"] = 2;
    answer["maxteamer"] = 5;
    answer["myteamid"] = myTeamId;
    answer["myteamname"] = myTeamId ? "rabbits" : "";
    answer["myscore"] = 0;
    answer["mycreater"] = myCreater;
    answer["mylevel"] = 0;
    answer["myteammatchstatus"] = 0;
    answer["teaminfo"] = Json::Value(Json::arrayValue);
    for (const Json::Value& team : teams) answer["teaminfo"].append(team);
    return answer;
}

Json::Value TeamTest::teamAnswer(const Json::Value& team, int members) {
    static const char* const kNames[] = {"小白兔", "大灰狼", "狐狸", "刺猬", "松鼠", "139****0007"};
    Json::Value answer;
    answer["response"] = 1;
    answer["teaminfo"] = team;
    answer["teammember"] = Json::Value(Json::arrayValue);
    for (int i = 0; i < members; ++i) {
        Json::Value member;
        member["userid"] = 10002 + i;
        member["name"] = kNames[i % 6];
        member["pkcount"] = i;
        member["wincount"] = i;
        member["answercount"] = 5 * i;
        member["rightcount"] = 3 * i;
        member["score"] = 30 * i;
        answer["teammember"].append(member);
    }
    answer["prizearray"] = Json::Value(Json::arrayValue);
    return answer;
}

Json::Value TeamTest::teamEntry(int level, int startIn, int matchId) {
    // The fake day's clock is 2026-12-09 12:00:00.
    auto at = [](int seconds) {
        const int total = 12 * 3600 + seconds;
        char text[40];
        std::snprintf(text, sizeof text, "20261209%02d%02d%02d", total / 3600, total / 60 % 60, total % 60);
        return std::string(text);
    };
    Json::Value entry = scheduleEntry(2, 0, 1, 0, 1, at(startIn), at(startIn + 220), "20261209120000");
    entry["level"] = level;
    entry["matchid"] = matchId;
    return entry;
}

Json::Value TeamTest::dayWith(const Json::Value& entry) {
    Json::Value day = openDay();
    day[1] = entry;
    return day;
}

CHD_TeamInfoLayer* TeamTest::openTeam(const Json::Value& answer, int role) {
    int code = -1;
    EXPECT_TRUE(MsgResponse::instance().OnResPonse(Json::FastWriter().write(answer), 43, &code));
    GameData& data = GameData::instance();
    SceneDirector::instance().showTeamInfo(data.teamRecord, role);
    engine::testing::stepSeconds(0.3f);
    settle();
    return screen<CHD_TeamInfoLayer>();
}

std::string TeamTest::text(const std::string& key) { return LocalText::instance().text(key); }

} // namespace test_support

// Parsers of the contest answers: heartbeat pushes, schedules, teams, rankings, matchmaking.
#pragma once

#include <json/value.h>

#include <functional>

// What the contest screens plug into the heartbeat answer. Unset hooks are skipped.
struct ContestHooks {
    // A pushed contest question ("system" 29).
    std::function<void(const Json::Value&)> contestQuestion;
    // The contest screen on stage (scenes 22, 23, 28) sees every other push first; true = handled.
    std::function<bool(int sceneId, const Json::Value&)> contestPush;
    // The player's team arrived during a team-match announcement while its screen is not on stage.
    std::function<void()> teamMatchAnnounce;
};

class ContestParsers {
public:
    static ContestHooks& hooks();

    static void heartbeat(const Json::Value& v, int* code);        // 35
    static void matchSchedule(const Json::Value& v, int* code);    // 38
    static void rankCount(const Json::Value& v, int* code);        // 39
    static void createTeam(const Json::Value& v, int* code);       // 40
    static void joinTeam(const Json::Value& v, int* code);         // 41
    static void teamList(const Json::Value& v, int* code);         // 42, 51
    static void teamInfo(const Json::Value& v, int* code);         // 43
    static void signUp(const Json::Value& v, int* code);           // 46
    static void cancelSignUp(const Json::Value& v, int* code);     // 47
    static void quitTeam(const Json::Value& v, int* code);         // 48
    static void prizeTable(const Json::Value& v, int* code);       // 49
    static void teamRank(const Json::Value& v, int* code);         // 50
    static void contestRank(const Json::Value& v, int* code);      // 52
    static void matchPresence(const Json::Value& v, int* code);    // 53
    static void challenge(const Json::Value& v, int* code);        // 54
};

// Parsers of the reward answers: tasks, sign-in, draws, ranking, treasure, notices, events.
#pragma once

#include <json/value.h>

class RewardParsers {
public:
    static void achievements(const Json::Value& v, int* code);      // 7
    static void claimAchievement(const Json::Value& v, int* code);  // 8
    static void signData(const Json::Value& v, int* code);          // 9
    static void signIn(const Json::Value& v, int* code);            // 10
    static void luckData(const Json::Value& v, int* code);          // 11
    static void luckSign(const Json::Value& v, int* code);          // 12
    static void rankList(const Json::Value& v, int* code);          // 13
    static void treasureOpen(const Json::Value& v, int* code);      // 14
    static void treasureData(const Json::Value& v, int* code);      // 15
    static void collection(const Json::Value& v, int* code);        // 16
    static void plainOutcome(const Json::Value& v, int* code);      // 17, 28, 37, 44, 45
    static void notices(const Json::Value& v, int* code);           // 22
    static void events(const Json::Value& v, int* code);            // 23
    static void joinEvent(const Json::Value& v, int* code);         // 24
    static void explains(const Json::Value& v, int* code);          // 25
    static void bonus(const Json::Value& v, int* code);             // 33
};

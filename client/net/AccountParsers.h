// Parsers of the account answers: version, login, registration, user record, referrals.
#pragma once

#include <json/value.h>

class AccountParsers {
public:
    static void version(const Json::Value& v, int* code);          // 0
    static void login(const Json::Value& v, int* code);            // 1
    static void reportLocation(const Json::Value& v, int* code);   // 2
    static void userInfo(const Json::Value& v, int* code);         // 3, 5
    static void registration(const Json::Value& v, int* code);     // 4
    static void changePassword(const Json::Value& v, int* code);   // 6
    static void saveReceiveInfo(const Json::Value& v, int* code);  // 29
    static void referralList(const Json::Value& v, int* code);     // 55
    static void referralStats(const Json::Value& v, int* code);    // 56
    static void setReferrer(const Json::Value& v, int* code);      // 57
};

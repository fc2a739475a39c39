// Parsers of the store answers: catalogue, records, details, exchange.
#pragma once

#include <json/value.h>

class StoreParsers {
public:
    static void goodsList(const Json::Value& v, int* code);    // 18
    static void buyRecords(const Json::Value& v, int* code);   // 19
    static void goodsDetail(const Json::Value& v, int* code);  // 20
    static void exchange(const Json::Value& v, int* code);     // 21
};

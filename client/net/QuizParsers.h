// Parsers of the question flow: id list, question, verdict, wall list, advertisement report.
#pragma once

#include <json/value.h>

class QuizParsers {
public:
    static void sdkPlats(const Json::Value& v, int* code);        // 26
    static void unused(const Json::Value& v, int* code);          // 27
    static void questionIdList(const Json::Value& v, int* code);  // 30
    static void question(const Json::Value& v, int* code);        // 31 (also contest pushes, "system" 29)
    static void answerResult(const Json::Value& v, int* code);    // 32
    static void adTouch(const Json::Value& v, int* code);         // 36
};

// Shared pieces of the answer parsers.
#pragma once

#include <json/value.h>

#include <climits>

namespace parsers {

using Parser = void (*)(const Json::Value& answer, int* code);

// "response" as an int; a missing member reads as 0, a member that is no number as kOtherResponse.
constexpr int kOtherResponse = INT_MIN;
int responseOf(const Json::Value& answer);

// The common rule: "response" 1 gives code 0 (and true: store the data), 0 gives code 1, any other
// value writes no code. Returns whether the caller should store what it read.
bool convention(const Json::Value& answer, int* code);

// Code 0 for "response" 1, otherwise 1; true for "response" 1.
bool oneOrElse(const Json::Value& answer, int* code);

inline void setCode(int* code, int value) {
    if (code) *code = value;
}

} // namespace parsers

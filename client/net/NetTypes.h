// Handler types and flags shared by the server link and its callers.
#pragma once

#include "cocos2d.h"

// Response and status handlers: member functions of the target taking one int.
using SEL_NetHandler = cocos2d::SEL_CallFuncI;
#define net_selector(_SELECTOR) (::cocos2d::SEL_CallFuncI)(&_SELECTOR)

enum class Busy { No, Yes };
enum class Dim { No, Yes };

// Server indexes.
constexpr int kEntryServer = 0;
constexpr int kGameServer = 1;

// Tags other screens rely on.
constexpr int kNetworkBoxTag = 1003;   // one network notice at a time, z-order 99
constexpr int kNetworkBoxZ = 99;
constexpr int kBusyOverlayTag = 20001; // z-order 1001
constexpr int kBusyOverlayZ = 1001;
constexpr int kUserSceneCoverTag = 1008; // removed from the user screen after every answer
constexpr int kSessionBoxTag = 298;

// Answer statuses.
constexpr int kStatusNotSet = -1;
constexpr int kStatusNoConnection = 0;
constexpr int kStatusTimeOut = 1;
constexpr int kStatusEmpty = 2;
constexpr int kStatusComplete = 3;

// Request type of media downloads: raw file bytes, never parsed.
constexpr int kMediaRequestType = 34;

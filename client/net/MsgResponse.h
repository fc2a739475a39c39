// Every complete answer passes through OnResPonse on the main thread: the session notices first,
// then the parser of its request type, which stores what it read and yields the result code.
#pragma once

#include "net/ParserSupport.h"

#include "cocos2d.h"

#include <string>

class MsgResponse : public cocos2d::CCObject {
public:
    static MsgResponse& instance();

    // True when the screen's handler may be called with *code (preset to -1 by the caller).
    bool OnResPonse(const std::string& text, int requestType, int* code);

    // The parser table: 58 entries, request types 0 to 57; null for a type without parser.
    static parsers::Parser parserFor(int requestType);
    static constexpr int kParserCount = 58;

    // Handlers of the session box and the silent re-login.
    void onSessionSure();
    void onSessionCancel();
    void onReloginDone(int code);
    void onReloginFailed();
    void onTeamMatchSure();

private:
    MsgResponse();
    bool handleSessionNotice(const Json::Value& answer);
    void showSessionBox(const char* key);
    void announceTeamMatch();
};

// The contest play scene on stage as a player meets it: entered from a hall, the current opponent
// stored, pushes handed to the real heartbeat parser, and a small game server on 127.0.0.1 that
// records every request and answers the contest answer and the leave request the way the game
// server does.
#pragma once

#include "quiz/PlayTestSupport.h"
#include "support/LoopbackServer.h"

#include <json/value.h>

#include <memory>
#include <string>
#include <vector>

class CAddAnswerMenu;
class CHD_PlayLayer;

namespace test_support {

class ContestPlayTest : public PlayTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The hall first (23 one-to-one, 28 challenge), then scene 22 past its fade.
    CHD_PlayLayer* enterContest(int hall = 23);
    CHD_PlayLayer* contestLayer() const;

    // A push as the heartbeat answer carries it.
    void push(const Json::Value& v);
    void pushText(const std::string& json);
    // A text choice question (game type 1, play type 7) pushed with four answers.
    void pushQuestion(int qsid, int flag = 1, const std::string& question = "");
    // Push, then let the 0.2 s poll show it (and not a frame more).
    void showQuestion(int qsid, int flag = 1);
    static std::vector<std::string> answersOf(int qsid);
    // The option buttons of the shown text choice screen.
    CAddAnswerMenu* answerMenu() const;
    // A player's tap on option k of the shown question.
    void tapOption(int k);

    // Requests the game server received (after the pump), all or those of one "system".
    std::vector<Json::Value> requests(int system = -1);
    // The verdict the server gives the next contest answers: "success", "fail" or "nostart".
    std::string m_verdict = "success";
    int leaveResponse = 1;
    // The team's line of the prize table answer.
    Json::Value m_teamPrize;

    static Json::Value result(const std::string& challenge, const std::string& challenge2, int iswin, int flee = 0);
    static int childrenTagged(cocos2d::CCNode* parent, int tag);

    std::unique_ptr<LoopbackServer> m_game;
};

} // namespace test_support

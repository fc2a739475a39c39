// The contest play scene on stage as a player meets it. `ContestPlayServerTest` plays whole
// contests against the real brindle-server, begun in the real halls with a RemotePlayer as the
// opponent. `ContestPlayTest` alone enters scene 22 straight from a hall with a made-up opponent,
// hands made-up pushes to the real heartbeat parser and answers from a small game server on
// 127.0.0.1 that records every request: for the client's own arithmetic on the manual clock
// (answering times, the clock, covers and marks) and for what the real server never sends
// (verdicts it would not give, unknown kinds of questions, numeric ids, a tie).
#pragma once

#include "contest/ContestServerSupport.h"
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

class ContestPlayServerTest : public ContestPlayTest {
protected:
    void SetUp() override;
    // Registers the remote player first (so it is the king) and the client after it, logged in.
    void signUp();
    // A one-to-one contest: the remote player searches, the client searches from the real hall
    // (23) and is paired; returns once the first question is on the client's screen.
    CHD_PlayLayer* beginOneToOne();
    // A challenge: the client challenges the remote king from the real challenge hall (28), the
    // king accepts; returns once the first question is on the client's screen.
    CHD_PlayLayer* beginChallenge();
    // The remote player fetches the current question and answers it, right or wrong; its qsid.
    int remoteAnswers(bool right);
    // Taps the shown question's right (or a wrong) option.
    void clientAnswers(bool right);
    int clientId() const;
    std::vector<std::string> served(int system, int act = -1) { return m_server.requestsOf(clientId(), system, act); }
    // Steps game time until `done` holds (false after 10 s of real time).
    static bool until(const std::function<bool()>& done) { return ContestServer::until(done, 10, 0.1f); }
    // The client's stored money and score, asked of the server through the client's own request.
    std::pair<int, int> storedMoneyAndScore();

    ContestServer m_server;
    RemotePlayer m_remote;
    Json::Value m_question; // the remote player's copy of the current question
};

} // namespace test_support

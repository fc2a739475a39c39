// Rankings, the exam hall and team/exam play against a small game server on 127.0.0.1 that
// answers the team and exam commands as the game server's contract has them (the rankings,
// the exam's question list and questions, verdicts, the latest results, leaving) and records
// every request. The exam and the rankings are also played against the real server
// (ExamServerTest, ContestPlayResultServerTest); this one stays for what the real server gives
// only with many players or a running team round behind it: a dozen ranked players with a long
// name, a team round's questions, its waiting cover and its end racing the last verdict.
#pragma once

#include "contest/ContestPlaySupport.h"

#include <json/value.h>

#include <map>
#include <mutex>
#include <string>
#include <vector>

class CMyMessageBox;

namespace test_support {

class TeamExamTest : public ContestPlayTest {
protected:
    void SetUp() override;

    // What the game port answers; set before the request goes out.
    struct Answers {
        std::map<int, Json::Value> ranks; // by "matchtype" of command 33
        Json::Value teamRank;             // command 40 act 1
        Json::Value schedule{Json::arrayValue};
        Json::Value idList{Json::arrayValue}; // command 48
        int listResponse = 1;
        std::string listTip;
        Json::Value prizes{Json::arrayValue}; // command 49
        int leaveResponse = 1;
    };
    Answers& answers() { return m_answers; }

    // The exam's entry (matchid 20261209) and the team match's (matchid 77) of an open day.
    static Json::Value examDay();
    // A made-up ranking answer: `rank` own place and n rows.
    static Json::Value playerRank(int rank, int rows, bool exam);
    static Json::Value teamRankAnswer(int myRank, int rows);
    // A line of the latest results answer.
    static Json::Value prize(int type, int prizeType, int prizeNum, int right, int wrong, int score, int teamScore,
                             int times);
    // A text choice question as command 46 answers it.
    static Json::Value questionAnswer(int qsid);
    // The right answer of a question this server serves.
    static std::string rightOf(int qsid) { return answersOf(qsid)[1]; }

    // Opens `scene` as if `from` had opened it (a bare stand-in for `from`).
    void enterFrom(int from, int scene);
    // Team play: the team screen (26) first, then scene 22 with the round running.
    CHD_PlayLayer* enterTeamPlay(const std::vector<int>& ids);
    // Exam play: the exam hall (29) first, then scene 22 with the exam's list.
    CHD_PlayLayer* enterExamPlay(const std::vector<int>& ids);
    // Taps the right (or a wrong) option of the shown question and lets the verdict arrive.
    void answerShown(bool right);
    // Steps game time and lets the answers of what went out meanwhile arrive.
    void wait(float seconds);

    std::vector<Json::Value> sent(int system, int act = -1);
    static std::vector<CMyMessageBox*> boxes();
    static CMyMessageBox* boxSaying(const std::string& message);
    static void pressSure(CMyMessageBox* box);
    static std::string text(const char* key);
    // Every label text in the subtree, in tree order.
    static std::vector<std::string> textsIn(cocos2d::CCNode* node);
    static bool holdsText(cocos2d::CCNode* node, const std::string& text);
    template <typename T> static T* screen() {
        cocos2d::CCScene* scene = cocos2d::CCDirector::sharedDirector()->getRunningScene();
        if (scene == nullptr || scene->getChildrenCount() == 0) return nullptr;
        return dynamic_cast<T*>(static_cast<cocos2d::CCObject*>(scene->getChildren()->objectAtIndex(0)));
    }
    template <typename T> static T* findIn(cocos2d::CCNode* node) {
        if (node == nullptr) return nullptr;
        if (auto* found = dynamic_cast<T*>(node)) return found;
        cocos2d::CCArray* children = node->getChildren();
        for (unsigned i = 0; children && i < children->count(); ++i) {
            if (T* found = findIn<T>(static_cast<cocos2d::CCNode*>(children->objectAtIndex(i)))) return found;
        }
        return nullptr;
    }

private:
    Json::Value answer(const Json::Value& request);
    std::mutex m_lock;
    Answers m_answers;
};

} // namespace test_support

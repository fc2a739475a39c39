// The face-off shown when a contest begins: the two sides' names, the "vs" falling in and the
// two rabbits meeting, then the contest play scene. Kind 0 one-to-one, 1 team match, 2 challenge
// of the king, 3 exam (one player, its own figure, a fixed 4 s).
#pragma once

#include "cocos2d.h"

#include <string>

class CHD_LoadingLayer : public cocos2d::CCLayer {
public:
    enum Kind { kDoubles = 0, kTeam = 1, kChallenge = 2, kExam = 3 };

    static CHD_LoadingLayer* create();
    static CHD_LoadingLayer* create(int kind, int myLevel, const std::string& myName, int otherLevel,
                                    const std::string& otherName);
    static CHD_LoadingLayer* create(int kind, int level, const std::string& name);

    int kind() const { return m_kind; }
    cocos2d::CCSprite* vsPicture() const { return m_vs; }

    // The whole face-off before the play scene comes: the rabbits' 1.5 s and the pauses after.
    static constexpr float kFaceOffSeconds = 3.5f;
    static constexpr float kExamSeconds = 4.0f;
    static constexpr int kContestPlayScene = 22;

private:
    bool initFaceOff(int kind);
    void addPlayerLabel(int level, const std::string& name, const cocos2d::CCPoint& at);
    void playFaceOff();
    void startContest();

    int m_kind = kTeam;
    cocos2d::CCSprite* m_vs = nullptr;
};
